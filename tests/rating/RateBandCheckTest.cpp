#include <gtest/gtest.h>

#include <string>

#include "rating/RateBandCheck.h"
#include "res/Strings.h"

using namespace dorv;
using rating::BandHourGrid;
using rating::RateTimesFault;

namespace {

std::string Line(const char* format, const BandHourGrid& h, int day) {
  char line[128];
  std::snprintf(line, sizeof line, format, h[0][day * 2], h[0][day * 2 + 1], h[1][day * 2],
                h[1][day * 2 + 1], h[2][day * 2], h[2][day * 2 + 1]);
  return line;
}

// Bands given by their weekday hours only; Saturday and Sunday unused.
BandHourGrid Weekdays(int s1, int e1, int s2, int e2, int s3, int e3) {
  return {{{s1, e1, 0, 0, 0, 0}, {s2, e2, 0, 0, 0, 0}, {s3, e3, 0, 0, 0, 0}}};
}

}  // namespace

TEST(RateBandCheck, BandsPassUnlessTheyShareAnHourAndAFaultNamesTheDayTypes) {
  struct Case { const char* name; BandHourGrid hours; bool passes; } cases[] = {
      {"day, evening and a night past midnight", Weekdays(8, 17, 17, 23, 23, 8), true},
      {"unused bands never overlap", Weekdays(0, 0, 0, 0, 0, 0), true},
      {"the whole day beside unused bands", Weekdays(24, 24, 0, 0, 0, 0), true},
      {"uncovered hours are allowed", Weekdays(8, 12, 13, 17, 0, 0), true},
      {"a band ending at midnight and one starting after it", Weekdays(18, 24, 1, 8, 0, 0), true},
      {"the whole day beside a day band", Weekdays(8, 17, 0, 0, 24, 24), false},
      {"two night bands past midnight share hour 1", Weekdays(22, 2, 23, 3, 0, 0), false},
  };
  for (const Case& c : cases) EXPECT_EQ(RateTimesFault(c.hours).empty(), c.passes) << c.name;

  // The message names each failing day type with all six hours, in day order.
  const BandHourGrid overlapping = Weekdays(8, 17, 16, 23, 23, 8);
  EXPECT_EQ(RateTimesFault(overlapping),
            std::string(res::kErrorInconsistentRateTimes) +
                Line(res::kRateTimesWeekdayInvalid, overlapping, 0));
  EXPECT_NE(RateTimesFault(overlapping).find("8-17  16-23  23-8"), std::string::npos);

  const BandHourGrid hours = {{{8, 17, 8, 12, 0, 0}, {17, 23, 10, 14, 24, 24}, {0, 0, 0, 0, 9, 10}}};
  EXPECT_EQ(RateTimesFault(hours), std::string(res::kErrorInconsistentRateTimes) +
                                       Line(res::kRateTimesSaturdayInvalid, hours, 1) +
                                       Line(res::kRateTimesSundayInvalid, hours, 2));
}

TEST(RateBandCheck, SpinHoursAndTheirTexts) {
  // The hour texts are the twelve-hour clock's (HourText); 0 shows none.
  struct Case { int hour; const char* text; } cases[] = {{0, ""}, {12, "Noon"}, {24, "Mid"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hour);
    EXPECT_EQ(rating::SpinHourText(c.hour), c.text);
    EXPECT_EQ(rating::SpinHourOfText(c.text), c.hour);
  }
  EXPECT_EQ(rating::SpinHourOfText("13 PM"), -1);

  for (auto [stored, hour] : {std::pair{2400, 24}, {830, 8}, {2500, 0}, {65535, 0}})
    EXPECT_EQ(rating::EditorHourOf(stored), hour) << stored;

  // The arrow steps stop at Mid and at 0 in the band editor; a page step past Mid keeps the hour.
  EXPECT_EQ(rating::SteppedHour(20, 10), 20);
}
