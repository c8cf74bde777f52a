#pragma once
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace dorv::rating {

// The editable date and time of a call, in local time; seconds are always 0.
struct CallDate {
  int month = 1;  // 1..12
  int day = 1;
  int year = 1980;
  int hour = 0;
  int minute = 0;
  bool operator==(const CallDate&) const = default;
};

inline constexpr int kFirstYear = 1980;
// Start times are stored as unsigned 32 bits, which reach into 2106.
inline constexpr int kLastYear = 2099;

enum class DateField { Month, Day, Year, Time };

int DaysInMonth(int month, int year);
CallDate DateOfTime(std::time_t when);
std::time_t TimeOfDate(const CallDate& date);

// One step of a date or time spin button. Month, year and day stay within their ranges (the
// day within the days of the month, also when month or year move); the time moves by five
// minutes, or by one hour when byHour is set, round the clock of the same day.
CallDate SpinDate(CallDate date, DateField field, int steps, bool byHour);

// Whether moving a call's start from one date to another may bring another band into force:
// the hour or the kind of day (weekday, Saturday, Sunday) changed.
bool BandMayChange(const CallDate& from, const CallDate& to);

// The length of a call as its three fields.
struct CallLength {
  int hours = 0;    // 0..99
  int minutes = 0;  // 0..59
  int seconds = 0;  // 0..59
  bool operator==(const CallLength&) const = default;
};

enum class LengthField { Hours, Minutes, Seconds };

CallLength LengthOf(std::uint32_t seconds);
std::uint32_t SecondsOf(const CallLength& length);
// One step of a length spin button: each field stays within its range.
CallLength SpinLength(CallLength length, LengthField field, int steps);

// Texts of the fields.
std::string TwoDigits(int value);  // "%.2i"
std::string ClockText(int hour, int minute, bool twelveHour);
// Where the hour digits of a clock text end.
int HourDigitsEnd(const std::string& clockText);

// Typed values, taken over when the field is left; nothing when the text is not valid.
std::optional<int> ParseMonth(const std::string& text);  // an English month name or 1..12
std::optional<int> ParseNumber(const std::string& text, int low, int high);
struct ClockTime {
  int hour;
  int minute;
};
// "H:MM" or "HH:MM" in 24-hour form, or with "AM" / "PM" behind it in 12-hour form.
std::optional<ClockTime> ParseClock(const std::string& text);

}  // namespace dorv::rating
