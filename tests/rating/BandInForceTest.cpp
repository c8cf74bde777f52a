#include "rating/BandInForce.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/RatingSupport.h"
#include "rating/RatingEngine.h"

namespace dorv::rating {
namespace {

using test::LocalTime;
using test::SetHours;
using test::ThreeBandEntry;

bool HasNoRates(const RatingEngine& engine) {
  return engine.State().selectedBand == kNoBand && engine.State().current.initial == 0.0 &&
         engine.State().current.additional == 0.0;
}

TEST(BandInForce, ThreeWeekdayBandsChangeExactlyAtTheirHoursAndTheSelectedRowSuppliesTheRates) {
  const data::PdbRecord entry = ThreeBandEntry();
  RatingEngine engine{RateView(entry)};
  struct Row { int hour, minute, band; } rows[] = {{16, 59, 0}, {17, 0, 1}, {22, 59, 1}, {23, 0, 2},
              {7, 59, 2},  {8, 0, 0},  {0, 0, 2},   {23, 59, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.hour * 100 + row.minute);
    // Wednesday; the seconds of the time do not count.
    EXPECT_EQ(engine.FindBandInForce(LocalTime(2025, 1, 15, row.hour, row.minute, 59)), row.band);
    EXPECT_EQ(engine.State().current.initial, entry.rates[row.band].initial);
  }
  EXPECT_EQ(engine.FindBandInForce(LocalTime(2025, 1, 15, 12, 0)), 0);
  engine.SelectBand(2);
  EXPECT_EQ(engine.State().bandInForce, 0);
  EXPECT_EQ(engine.State().current.initial, 8.0);
  for (int outside : {-1, 3, 7}) {
    engine.SelectBand(outside);
    EXPECT_TRUE(HasNoRates(engine)) << outside;
  }
}

TEST(BandInForce, NoTimeOnSundayNeverAppliesAndOfBandsSharingAnHourTheFirstWins) {
  data::PdbRecord entry = ThreeBandEntry();
  SetHours(entry, 0, DayType::Weekday, 2400, 2400);
  RatingEngine engine{RateView(entry)};
  // Band 2's evening hours lie within band 1's whole day.
  EXPECT_EQ(BandAt(RateView(entry), DayType::Weekday, 1800), 0);
  const std::time_t sundayNoon = LocalTime(2025, 1, 19, 12, 0);
  EXPECT_EQ(engine.FindBandInForce(sundayNoon), kNoBand);
  EXPECT_TRUE(HasNoRates(engine));

  SetHours(entry, 2, DayType::Sunday, 1200, 1800);  // seen through the view at once
  EXPECT_EQ(engine.FindBandInForce(sundayNoon), 2);
}

TEST(BandInForce, PairsCoverTheirHours) {
  struct Row { std::uint16_t start, end; std::int16_t clock; bool covered; } rows[] = {
      {800, 1700, 759, false},  {800, 1700, 800, true},   {800, 1700, 1659, true},
      {800, 1700, 1700, false}, {2300, 800, 2259, false}, {2300, 800, 2300, true},
      {2300, 800, 0, true},     {2300, 800, 759, true},   {2300, 800, 800, false},
      {0, 2400, 0, true},       {0, 2400, 2359, true},    {0, 0, 0, false},
      {0, 0, 1200, false},      {2400, 2400, 0, true},    {2400, 2400, 2359, true},
      // Hours no editor produces never match.
      {2500, 800, 100, false},  {2300, 2500, 100, false}, {830, 1700, 1200, false},
      {800, 1730, 1200, false}, {65535, 0, 0, false},
  };
  for (const Row& row : rows)
    EXPECT_EQ(HoursCover({row.start, row.end}, row.clock), row.covered)
        << row.start << "-" << row.end << " at " << row.clock;
}

TEST(BandInForce, LoggedCallIsRatedFromItsOwnCopy) {
  const data::PdbRecord entry = ThreeBandEntry();
  data::CallLogRecord call;
  data::ClearCallRecord(call, true);
  std::memcpy(call.rates, entry.rates, sizeof call.rates);
  std::memcpy(call.bandHours, entry.bandHours, sizeof call.bandHours);
  call.initialInterval = 90;
  call.additionalInterval = 30;
  RatingEngine engine{RateView(call)};
  EXPECT_EQ(engine.FindBandInForce(LocalTime(2025, 1, 15, 17, 30)), 1);
  EXPECT_EQ(engine.RateLength(91), 12.0 + 6.0);  // band 2's rates over the call's intervals
}

}  // namespace
}  // namespace dorv::rating
