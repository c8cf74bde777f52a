#include "rating/RateBandCheck.h"

#include <cstdio>

#include "data/HourDefinitions.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
constexpr int kLastHour = 24;
constexpr const char* kDayLines[3] = {res::kRateTimesWeekdayInvalid,
                                      res::kRateTimesSaturdayInvalid,
                                      res::kRateTimesSundayInvalid};

bool DayOverlaps(const BandHourGrid& hours, int day) {
  for (int hour = 1; hour <= kLastHour; ++hour) {
    int covering = 0;
    for (const auto& band : hours)
      if (BandCoversHour(band[day * 2], band[day * 2 + 1], hour)) ++covering;
    if (covering > 1) return true;
  }
  return false;
}
}  // namespace

bool BandCoversHour(int start, int end, int hour) {
  if (start == 0 && end == 0) return false;
  if (start == kLastHour && end == kLastHour) return true;
  if (start < end) return start <= hour && hour < end;
  return hour >= start || (1 <= hour && hour < end);
}

std::string RateTimesFault(const BandHourGrid& hours) {
  std::string message;
  for (int day = 0; day < 3; ++day) {
    if (!DayOverlaps(hours, day)) continue;
    char line[128];
    std::snprintf(line, sizeof line, kDayLines[day], hours[0][day * 2], hours[0][day * 2 + 1],
                  hours[1][day * 2], hours[1][day * 2 + 1], hours[2][day * 2],
                  hours[2][day * 2 + 1]);
    message += line;
  }
  if (message.empty()) return message;
  return res::kErrorInconsistentRateTimes + message;
}

int EditorHourOf(std::uint16_t stored) {
  const int hour = stored / 100;
  return hour > kLastHour ? 0 : hour;
}

std::string SpinHourText(int hour) {
  if (hour <= 0 || hour > kLastHour) return {};
  return data::HourText(hour * 100, true);
}

int SpinHourOfText(const std::string& text) {
  for (int hour = 0; hour <= kLastHour; ++hour)
    if (SpinHourText(hour) == text) return hour;
  return -1;
}

int SteppedHour(int hour, int step) {
  const int next = hour + step;
  return next < 0 || next > kLastHour ? hour : next;
}

}  // namespace dorv::rating
