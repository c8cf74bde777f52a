#include "rating/dialogs/SurchargeRow.h"

#include "data/MoneyText.h"
#include "rating/dialogs/SurchargeFields.h"
#include "rating/dialogs/SurchargeSlots.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
enum Column { kDescription, kCost, kType, kInterval };
}

QString SurchargeCostText(const data::Surcharge& surcharge) {
  QString text = QString::fromStdString(data::MoneyText(surcharge.cost, true));
  if (surcharge.kind == kPerTimeKind) text += res::kSurchargePerHourSuffix;
  return text;
}

QString SurchargeRow::Text(int column) const {
  switch (column) {
    case kDescription: return DescriptionText(m_surcharge);
    case kCost: return SurchargeCostText(m_surcharge);
    case kType:
      if (m_surcharge.kind == kPerCallKind) return res::kSurchargePerCall;
      if (m_surcharge.kind == kPerTimeKind) return res::kSurchargePerHour;
      return {};
    case kInterval:
      if (m_surcharge.kind != kPerTimeKind) return {};
      return QString(res::kSurchargeIntervalMinutes)
          .replace("%i", QString::number(m_surcharge.minutes));
    default: return {};
  }
}

int CompareSurchargeRows(const SurchargeRow& a, const SurchargeRow& b, int column) {
  if (column == kCost) {
    const double x = a.Value().cost, y = b.Value().cost;
    return x < y ? -1 : (y < x ? 1 : 0);
  }
  return platform::CompareTextsNoCase(a, b, column);
}

}  // namespace dorv::rating
