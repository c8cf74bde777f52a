#include "rating/LookAhead.h"

#include <gtest/gtest.h>

#include "support/RatingSupport.h"
#include "rating/RatingEngine.h"
#include "res/Strings.h"

namespace dorv::rating {
namespace {

using test::Filled;
using test::LocalTime;
using test::SetHours;
using test::ThreeBandEntry;

Advice AdviceAt(const data::PdbRecord& entry, std::time_t start, std::int32_t reminder) {
  RatingEngine engine{RateView(entry)};
  engine.FindBandInForce(start);
  return engine.LookAhead(start, reminder);
}

// Wednesday 22:40, twenty minutes before the night band.
TEST(LookAhead, AdviceWithinTheReminderTimeOnlyWhenBothRatesMoveTheSameWay) {
  struct Row {
    const char* name;
    data::BandRates night;
    AdviceKind kind;
    const char* text;
  } rows[] = {
      {"both lower", {8.0, 4.0}, AdviceKind::Lower, res::kAskWaitForLowerRate},
      {"first lower, additional equal", {8.0, 6.0}, AdviceKind::None, nullptr},
      {"first lower, additional higher", {8.0, 7.0}, AdviceKind::None, nullptr},
      {"both equal", {12.0, 6.0}, AdviceKind::None, nullptr},
      {"both higher", {13.0, 7.0}, AdviceKind::Higher, res::kNoticeHigherRateAfterWait},
  };
  const std::time_t start = LocalTime(2025, 1, 15, 22, 40, 31);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    data::PdbRecord entry = ThreeBandEntry();
    entry.rates[2] = row.night;
    const Advice advice = AdviceAt(entry, start, 30);
    EXPECT_EQ(advice.kind, row.kind);
    EXPECT_EQ(AdviceText(advice), row.text ? Filled(row.text, "20") : "");
    for (std::int32_t reminder : {19, 0, -600})
      EXPECT_EQ(AdviceAt(entry, start, reminder).kind, AdviceKind::None) << reminder;
  }

  // No advice when another row is focused or when the call cannot be placed now.
  data::PdbRecord entry = ThreeBandEntry();
  RatingEngine engine{RateView(entry)};
  engine.FindBandInForce(start);
  engine.SelectBand(2);  // compared with the focused row's rates, which are the night's
  EXPECT_EQ(engine.LookAhead(start, 30).kind, AdviceKind::None);
  SetHours(entry, 0, DayType::Sunday, 1200, 1800);
  EXPECT_EQ(AdviceAt(entry, LocalTime(2025, 1, 19, 11, 45), 30).kind, AdviceKind::None);
}

TEST(LookAhead, CarriesOverMidnightMonthAndYear) {
  // Weekdays: band 1 from 800 to midnight, a dearer band 2 from midnight to 800; Saturday:
  // the cheaper band 3 all day.
  data::PdbRecord entry = ThreeBandEntry();
  SetHours(entry, 0, DayType::Weekday, 800, 2400);
  SetHours(entry, 1, DayType::Weekday, 0, 800);
  SetHours(entry, 2, DayType::Weekday, 0, 0);
  entry.rates[1] = {25.0, 12.0};
  struct Row { const char* name; std::time_t start; AdviceKind kind; int minutes; } rows[] = {
      {"over midnight into a new year", LocalTime(2025, 12, 31, 23, 50), AdviceKind::Higher, 10},
      // The day type is the future time's: Saturday, not Friday.
      {"into Saturday at a month end", LocalTime(2025, 1, 31, 23, 45), AdviceKind::Lower, 15},
  };
  for (const Row& row : rows) {
    const Advice advice = AdviceAt(entry, row.start, 30);
    EXPECT_EQ(std::pair(advice.kind, advice.minutes), std::pair(row.kind, row.minutes)) << row.name;
  }
}

TEST(LookAhead, FutureTimeFollowsTheCalendarThroughDaylightSavingEnd) {
  const test::ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
  // Sunday 2 November 2025, 01:45 daylight time; at 02:00 the clocks go back to 01:00.
  const std::time_t start = LocalTime(2025, 11, 2, 1, 45, 0, 1);
  data::PdbRecord entry = ThreeBandEntry();
  SetHours(entry, 0, DayType::Sunday, 200, 2200);
  SetHours(entry, 1, DayType::Sunday, 2200, 200);
  entry.rates[0] = {5.0, 2.0};
  // Thirty minutes on the calendar is 02:15, in band 1, although only 01:15 on the clock.
  const Advice advice = AdviceAt(entry, start, 30);
  EXPECT_EQ(advice.kind, AdviceKind::Lower);
  EXPECT_EQ(advice.minutes, 15);
}

}  // namespace
}  // namespace dorv::rating
