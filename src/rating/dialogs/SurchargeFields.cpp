#include "rating/dialogs/SurchargeFields.h"

#include <QLocale>
#include <cmath>

#include "data/CallLogRecord.h"
#include "data/FixedText.h"
#include "platform/RecordText.h"
#include "rating/dialogs/SurchargeSlots.h"
#include "res/Strings.h"

namespace dorv::rating {

std::optional<double> ParseCostCents(const QString& dollars) {
  bool ok = false;
  // Costs are typed with a decimal point whatever the desktop's locale.
  const double value = QLocale::c().toDouble(dollars.trimmed(), &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  const double cents = value * 100.0;
  if (cents < 0 || cents > kMaxCostCents) return std::nullopt;
  return cents;
}

std::optional<int> ParsePeriodMinutes(const QString& minutes) {
  bool ok = false;
  const int value = QLocale::c().toInt(minutes.trimmed(), &ok);
  if (!ok || value < 1 || value > kMaxPeriodMinutes) return std::nullopt;
  return value;
}

QString CostFieldText(double cents) { return QString::asprintf("%.2f", cents / 100.0); }

std::variant<data::Surcharge, FieldFault> ParseSurchargeFields(const SurchargeFields& fields) {
  if (fields.description.trimmed().isEmpty()) return FieldFault::DescriptionEmpty;
  if (fields.description.size() > kMaxDescriptionLength) return FieldFault::DescriptionTooLong;
  const auto cents = ParseCostCents(fields.cost);
  if (!cents) return FieldFault::CostNotANumber;
  data::Surcharge surcharge{};
  data::ClearSurcharge(surcharge);
  SetDescription(surcharge, fields.description);
  surcharge.cost = *cents;
  if (fields.perTime) {
    const auto period = ParsePeriodMinutes(fields.period);
    if (!period) return FieldFault::PeriodOutOfRange;
    surcharge.kind = kPerTimeKind;
    surcharge.minutes = *period;
  }
  return surcharge;
}

QString FaultText(FieldFault fault) {
  switch (fault) {
    case FieldFault::DescriptionEmpty: return res::kErrorSurchargeDescriptionEmpty;
    case FieldFault::DescriptionTooLong: return res::kErrorSurchargeDescriptionLong;
    case FieldFault::CostNotANumber: return res::kErrorSurchargeCost;
    case FieldFault::PeriodOutOfRange: return res::kErrorSurchargePeriod;
  }
  return {};
}

QString DescriptionText(const data::Surcharge& surcharge) {
  return platform::FromRecord(data::ReadField(surcharge.description));
}

void SetDescription(data::Surcharge& surcharge, const QString& description) {
  data::WriteField(surcharge.description, platform::ToRecord(description));
}

}  // namespace dorv::rating
