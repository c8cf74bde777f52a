#pragma once
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "data/PdbRecord.h"
#include "rating/RateView.h"

namespace dorv::rating::test {

// The moment of a local calendar time (daylight saving as the calendar has it, unless given).
std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second = 0,
                      int isDst = -1);

void SetHours(data::PdbRecord& entry, int band, DayType day, std::uint16_t start,
              std::uint16_t end);

// Weekdays: band 1 800-1700, band 2 1700-2300, band 3 2300-800; Saturday: band 3 all day;
// Sunday: no band. Rates 20/10, 12/6, 8/4 cents; intervals 60 s and 60 s.
data::PdbRecord ThreeBandEntry();

// Sets TZ for the lifetime of the object and restores the previous value.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone);
  ~ScopedTimeZone();
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> m_previous;  // none when TZ was not set
};

// A string table pattern with its "%i" replaced by the given digits.
std::string Filled(const char* pattern, const std::string& number);

}  // namespace dorv::rating::test
