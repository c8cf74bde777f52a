#include "support/RatingSupport.h"

#include <cstdlib>
#include <cstring>

namespace dorv::rating::test {

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second,
                      int isDst) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = hour;
  parts.tm_min = minute;
  parts.tm_sec = second;
  parts.tm_isdst = isDst;
  return std::mktime(&parts);
}

void SetHours(data::PdbRecord& entry, int band, DayType day, std::uint16_t start,
              std::uint16_t end) {
  std::uint16_t* pair = entry.bandHours + band * 6 + static_cast<int>(day) * 2;
  pair[0] = start;
  pair[1] = end;
}

data::PdbRecord ThreeBandEntry() {
  data::PdbRecord entry;
  std::memset(&entry, 0, sizeof entry);
  SetHours(entry, 0, DayType::Weekday, 800, 1700);
  SetHours(entry, 1, DayType::Weekday, 1700, 2300);
  SetHours(entry, 2, DayType::Weekday, 2300, 800);
  SetHours(entry, 2, DayType::Saturday, 2400, 2400);
  entry.rates[0] = {20.0, 10.0};
  entry.rates[1] = {12.0, 6.0};
  entry.rates[2] = {8.0, 4.0};
  entry.initialInterval = 60;
  entry.additionalInterval = 60;
  return entry;
}

ScopedTimeZone::ScopedTimeZone(const char* zone) {
  if (const char* previous = std::getenv("TZ")) m_previous = previous;
  setenv("TZ", zone, 1);
  tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
  if (m_previous)
    setenv("TZ", m_previous->c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

std::string Filled(const char* pattern, const std::string& number) {
  std::string text = pattern;
  text.replace(text.find("%i"), 2, number);
  return text;
}

}  // namespace dorv::rating::test
