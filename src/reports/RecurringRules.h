#pragma once
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "data/Charges.h"

namespace dorv::reports {

inline constexpr int kRecurringSlots = 20;
inline constexpr std::size_t kMaxRecurringNameLength = 63;  // the name field keeps its NUL
inline constexpr double kMaxRecurringCents = 1000000.0;     // $10,000.00

// A list of recurring charges: an entry with an empty name is free, used ones stand packed at
// the front.
using RecurringList = std::array<data::RecurringCharge, kRecurringSlots>;

bool EntryInUse(const data::RecurringCharge& entry);
int CountInUse(const RecurringList& entries);
double SumOf(const RecurringList& entries);
// Clears the entry and moves every later entry up by one; the last place becomes free.
void DeleteEntry(RecurringList& entries, int index);

// The from day typed: a whole number of days from 1 to 31, or nothing.
std::optional<int> ParseFromDay(const std::string& typed);
// The thru day a from day gives: the day before it, or 0 (the end of the month) for a cycle
// starting on the 1st or on the 29th or later. Nothing for a from day that is no day.
std::optional<int> ThruDayOf(int fromDay);
// The thru day as shown: its number, or "END" for 0.
std::string ThruDayText(int thruDay);
// The thru day shown, read back: "END" in any case is 0.
int ParseThruDay(const std::string& shown);

// Typed dollars as cents: a finite decimal number from 0 to $10,000.00, or nothing.
std::optional<double> ParseCostCents(const std::string& typed);
// The cost field's text for a stored amount: dollars with two decimals.
std::string CostFieldText(double cents);

enum class RecurringFault { NameEmpty, NameTooLong, CostInvalid, ListFull };

// The entry the Recurring dialog's fields describe (name as stored bytes), or the first fault.
std::variant<data::RecurringCharge, RecurringFault> ParseRecurringFields(const std::string& name,
                                                                         const std::string& cost);
// Puts the entry in the first free place (index < 0) or in place index. A list with no free
// place is left as it was.
std::optional<RecurringFault> StoreEntry(RecurringList& entries, int index,
                                         const data::RecurringCharge& entry);

}  // namespace dorv::reports
