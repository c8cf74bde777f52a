#include "rating/callscreen/CallFields.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "data/Calendar.h"
#include "data/EnglishLocale.h"
#include "data/PdbText.h"
#include "rating/BandInForce.h"
#include "res/Strings.h"

namespace dorv::rating {

int DaysInMonth(int month, int year) { return data::DaysInMonth(month, year); }

CallDate DateOfTime(std::time_t when) {
  std::tm parts{};
  localtime_r(&when, &parts);
  return {parts.tm_mon + 1, parts.tm_mday, parts.tm_year + 1900, parts.tm_hour, parts.tm_min};
}

std::time_t TimeOfDate(const CallDate& date) {
  std::tm parts{};
  parts.tm_year = date.year - 1900;
  parts.tm_mon = date.month - 1;
  parts.tm_mday = date.day;
  parts.tm_hour = date.hour;
  parts.tm_min = date.minute;
  parts.tm_isdst = -1;  // the calendar decides whether summer time applies
  return std::mktime(&parts);
}

CallDate SpinDate(CallDate date, DateField field, int steps, bool byHour) {
  switch (field) {
    case DateField::Month: date.month = std::clamp(date.month + steps, 1, 12); break;
    case DateField::Year: date.year = std::clamp(date.year + steps, kFirstYear, kLastYear); break;
    case DateField::Day: date.day += steps; break;
    case DateField::Time: {
      constexpr int kDay = 24 * 60;
      int minutes = date.hour * 60 + date.minute + steps * (byHour ? 60 : 5);
      minutes = ((minutes % kDay) + kDay) % kDay;
      date.hour = minutes / 60;
      date.minute = minutes % 60;
      break;
    }
  }
  date.day = std::clamp(date.day, 1, DaysInMonth(date.month, date.year));
  return date;
}

bool BandMayChange(const CallDate& from, const CallDate& to) {
  auto dayType = [](const CallDate& date) {
    const std::time_t when = TimeOfDate(date);
    std::tm parts{};
    localtime_r(&when, &parts);
    return DayTypeOf(parts);
  };
  return from.hour != to.hour || dayType(from) != dayType(to);
}

CallLength LengthOf(std::uint32_t seconds) {
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

std::uint32_t SecondsOf(const CallLength& length) {
  // A reopened call may hold any stored length, far beyond the 99 hours of the spin buttons.
  const std::int64_t seconds =
      std::int64_t{length.hours} * 3600 + length.minutes * 60 + length.seconds;
  return static_cast<std::uint32_t>(seconds);
}

CallLength SpinLength(CallLength length, LengthField field, int steps) {
  switch (field) {
    case LengthField::Hours: length.hours = std::clamp(length.hours + steps, 0, 99); break;
    case LengthField::Minutes: length.minutes = std::clamp(length.minutes + steps, 0, 59); break;
    case LengthField::Seconds: length.seconds = std::clamp(length.seconds + steps, 0, 59); break;
  }
  return length;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.2i", value);
  return buffer;
}

std::string ClockText(int hour, int minute, bool twelveHour) {
  std::tm parts{};
  parts.tm_hour = hour;
  parts.tm_min = minute;
  char buffer[32];
  strftime_l(buffer, sizeof buffer, twelveHour ? "%I:%M %p" : "%H:%M", &parts,
             data::EnglishLocale());
  return buffer;
}

int HourDigitsEnd(const std::string& clockText) {
  const std::size_t colon = clockText.find(':');
  return colon == std::string::npos ? 0 : static_cast<int>(colon);
}

std::optional<int> ParseMonth(const std::string& text) {
  for (int month = 1; month <= 12; ++month)
    if (data::EqualsNoCase(text, res::kMonthNames[month - 1])) return month;
  return ParseNumber(text, 1, 12);
}

std::optional<int> ParseNumber(const std::string& text, int low, int high) {
  std::size_t first = text.find_first_not_of(' ');
  std::size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos || last - first + 1 > 4) return std::nullopt;
  int value = 0;
  for (std::size_t i = first; i <= last; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<ClockTime> ParseClock(const std::string& text) {
  std::string rest = text;
  std::optional<bool> afternoon;
  std::size_t end = rest.find_last_not_of(' ');
  if (end != std::string::npos && end >= 1) {
    std::string mark = rest.substr(end - 1, 2);
    if (data::EqualsNoCase(mark, "AM")) afternoon = false;
    if (data::EqualsNoCase(mark, "PM")) afternoon = true;
    if (afternoon) rest = rest.substr(0, end - 1);
  }
  const std::size_t colon = rest.find(':');
  if (colon == std::string::npos) return std::nullopt;
  auto hour = ParseNumber(rest.substr(0, colon), afternoon ? 1 : 0, afternoon ? 12 : 23);
  std::string minuteText = rest.substr(colon + 1);
  minuteText.erase(minuteText.find_last_not_of(' ') + 1);
  auto minute = minuteText.size() == 2 ? ParseNumber(minuteText, 0, 59) : std::nullopt;
  if (!hour || !minute) return std::nullopt;
  int h = *hour;
  if (afternoon) h = h % 12 + (*afternoon ? 12 : 0);
  return ClockTime{h, *minute};
}

}  // namespace dorv::rating
