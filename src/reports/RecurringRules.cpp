#include "reports/RecurringRules.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "data/FixedText.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameNoCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && !b[i];
}

}  // namespace

bool EntryInUse(const data::RecurringCharge& entry) { return entry.name[0] != '\0'; }

int CountInUse(const RecurringList& entries) {
  int count = 0;
  for (const data::RecurringCharge& entry : entries) count += EntryInUse(entry) ? 1 : 0;
  return count;
}

double SumOf(const RecurringList& entries) {
  double sum = 0;
  for (const data::RecurringCharge& entry : entries)
    if (EntryInUse(entry)) sum += entry.amount;
  return sum;
}

void DeleteEntry(RecurringList& entries, int index) {
  if (index < 0 || index >= kRecurringSlots) return;
  for (int i = index; i + 1 < kRecurringSlots; ++i) entries[i] = entries[i + 1];
  entries.back() = data::RecurringCharge{};
}

std::optional<int> ParseFromDay(const std::string& typed) {
  const std::string text = Trimmed(typed);
  int day = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), day);
  if (error != std::errc() || end != text.data() + text.size() || day < 1 || day > 31)
    return std::nullopt;
  return day;
}

std::optional<int> ThruDayOf(int fromDay) {
  if (fromDay < 1 || fromDay > 31) return std::nullopt;
  return fromDay == 1 || fromDay >= 29 ? 0 : fromDay - 1;
}

std::string ThruDayText(int thruDay) {
  return thruDay == 0 ? res::kRecurringThruEnd : std::to_string(thruDay);
}

int ParseThruDay(const std::string& shown) {
  const std::string text = Trimmed(shown);
  if (SameNoCase(text, res::kRecurringThruEnd)) return 0;
  int day = 0;
  std::from_chars(text.data(), text.data() + text.size(), day);
  return day;
}

std::optional<double> ParseCostCents(const std::string& typed) {
  const std::string text = Trimmed(typed);
  double dollars = 0;
  // from_chars reads a decimal point whatever the desktop's locale.
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), dollars, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(dollars))
    return std::nullopt;
  const double cents = dollars * 100.0;
  if (cents < 0 || cents > kMaxRecurringCents) return std::nullopt;
  return cents == 0 ? 0.0 : cents;  // "-0" is stored as a plain 0
}

std::string CostFieldText(double cents) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", cents / 100.0);
  return text;
}

std::variant<data::RecurringCharge, RecurringFault> ParseRecurringFields(const std::string& name,
                                                                         const std::string& cost) {
  if (Trimmed(name).empty()) return RecurringFault::NameEmpty;
  if (name.size() > kMaxRecurringNameLength) return RecurringFault::NameTooLong;
  const auto cents = ParseCostCents(cost);
  if (!cents) return RecurringFault::CostInvalid;
  data::RecurringCharge entry{};
  data::WriteField(entry.name, name);
  entry.amount = *cents;
  return entry;
}

std::optional<RecurringFault> StoreEntry(RecurringList& entries, int index,
                                         const data::RecurringCharge& entry) {
  if (index < 0) {
    for (int i = 0; i < kRecurringSlots && index < 0; ++i)
      if (!EntryInUse(entries[i])) index = i;
    if (index < 0) return RecurringFault::ListFull;
  }
  if (index >= kRecurringSlots) return RecurringFault::ListFull;
  entries[index] = entry;
  return std::nullopt;
}

}  // namespace dorv::reports
