#pragma once
#include <QString>
#include <optional>
#include <variant>

#include "data/Charges.h"

namespace dorv::rating {

// What the Surcharge dialog's fields hold, as typed.
struct SurchargeFields {
  QString description;
  QString cost;  // dollars
  bool perTime = false;
  QString period;  // minutes; read only for a per-time surcharge
};

enum class FieldFault { DescriptionEmpty, DescriptionTooLong, CostNotANumber, PeriodOutOfRange };

inline constexpr int kMaxDescriptionLength = 31;
inline constexpr int kMaxPeriodMinutes = 60;
inline constexpr double kMaxCostCents = 1000000.0;  // $10,000.00

// Typed dollars as cents, or nothing when the text is not a decimal number from 0 to $10,000.
std::optional<double> ParseCostCents(const QString& dollars);
// A whole number of minutes from 1 to 60, or nothing.
std::optional<int> ParsePeriodMinutes(const QString& minutes);
// The cost field's text for a stored amount: dollars with two decimals.
QString CostFieldText(double cents);

// The surcharge the fields describe, or the first fault found in field order.
std::variant<data::Surcharge, FieldFault> ParseSurchargeFields(const SurchargeFields& fields);
// The message of a fault, from the string table.
QString FaultText(FieldFault fault);

// Descriptions are stored one byte a character (Latin-1).
QString DescriptionText(const data::Surcharge& surcharge);
void SetDescription(data::Surcharge& surcharge, const QString& description);

}  // namespace dorv::rating
