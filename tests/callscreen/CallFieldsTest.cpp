#include <gtest/gtest.h>

#include "rating/callscreen/CallFields.h"

using namespace dorv::rating;

namespace {

TEST(CallFields, DateSpinsKeepEveryFieldInItsRange) {
  struct Row {
    const char* name;
    CallDate from;
    DateField field;
    int steps;
    bool byHour;
    CallDate to;
  };
  const Row rows[] = {
      {"month stops at December", {12, 5, 2026, 9, 30}, DateField::Month, 1, false, {12, 5, 2026, 9, 30}},
      {"month stops at January", {1, 5, 2026, 9, 30}, DateField::Month, -1, false, {1, 5, 2026, 9, 30}},
      {"day follows a shorter month", {1, 31, 2026, 9, 30}, DateField::Month, 1, false, {2, 28, 2026, 9, 30}},
      {"leap February has 29 days", {1, 31, 2024, 9, 30}, DateField::Month, 1, false, {2, 29, 2024, 9, 30}},
      {"day follows the year", {2, 29, 2024, 9, 30}, DateField::Year, 1, false, {2, 28, 2025, 9, 30}},
      {"day stops at the month's last", {2, 28, 2026, 9, 30}, DateField::Day, 1, false, {2, 28, 2026, 9, 30}},
      {"day stops at 1", {2, 1, 2026, 9, 30}, DateField::Day, -1, false, {2, 1, 2026, 9, 30}},
      {"year stops at 1980", {6, 1, 1980, 9, 30}, DateField::Year, -1, false, {6, 1, 1980, 9, 30}},
      {"year goes on past 2037", {6, 1, 2037, 9, 30}, DateField::Year, 1, false, {6, 1, 2038, 9, 30}},
      {"year stops at 2099", {6, 1, 2099, 9, 30}, DateField::Year, 1, false, {6, 1, 2099, 9, 30}},
      {"time moves five minutes", {6, 1, 2026, 9, 33}, DateField::Time, 1, false, {6, 1, 2026, 9, 38}},
      {"time moves an hour from the hour digits", {6, 1, 2026, 9, 30}, DateField::Time, 1, true, {6, 1, 2026, 10, 30}},
      {"time goes round midnight on the same day", {6, 1, 2026, 23, 55}, DateField::Time, 1, false, {6, 1, 2026, 0, 0}},
      {"an hour back from just after midnight", {6, 1, 2026, 0, 10}, DateField::Time, -1, true, {6, 1, 2026, 23, 10}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SpinDate(row.from, row.field, row.steps, row.byHour), row.to);
  }
}

TEST(CallFields, LengthSpinsStopAtTheirLimits) {
  EXPECT_EQ(SpinLength({99, 0, 0}, LengthField::Hours, 1), (CallLength{99, 0, 0}));
  EXPECT_EQ(SpinLength({0, 0, 0}, LengthField::Minutes, -1), (CallLength{0, 0, 0}));
  EXPECT_EQ(SpinLength({0, 0, 59}, LengthField::Seconds, 1), (CallLength{0, 0, 59}));
  EXPECT_EQ(SpinLength({0, 58, 0}, LengthField::Minutes, 1), (CallLength{0, 59, 0}));
  EXPECT_EQ(LengthOf(3725), (CallLength{1, 2, 5}));
  EXPECT_EQ(SecondsOf({1, 2, 5}), 3725u);
  EXPECT_EQ(SecondsOf(LengthOf(0xFFFFFFFFu)), 0xFFFFFFFFu) << "a stored length past 99 hours";
}

TEST(CallFields, DateAndTimeRoundTripWithoutSeconds) {
  const CallDate date{3, 4, 2026, 16, 45};
  const std::time_t when = TimeOfDate(date);
  EXPECT_EQ(DateOfTime(when), date);
  EXPECT_EQ(DateOfTime(when + 59), date);
}

TEST(CallFields, TypedValues) {
  EXPECT_EQ(ParseMonth("march"), 3);
  EXPECT_EQ(ParseMonth("11"), 11);
  EXPECT_EQ(ParseMonth("13"), std::nullopt);
  EXPECT_EQ(ParseMonth("Marc"), std::nullopt);
  EXPECT_EQ(ParseNumber(" 2030 ", 1980, 2037), 2030);
  EXPECT_EQ(ParseNumber("2040", 1980, 2037), std::nullopt);
  EXPECT_EQ(ParseNumber("-1", 0, 59), std::nullopt);
  EXPECT_EQ(ParseNumber("", 0, 59), std::nullopt);

  struct Row {
    const char* text;
    std::optional<std::pair<int, int>> clock;
  };
  const Row rows[] = {
      {"09:30", std::pair{9, 30}},   {"9:30 PM", std::pair{21, 30}},
      {"12:00 AM", std::pair{0, 0}}, {"12:15 pm", std::pair{12, 15}},
      {"23:59", std::pair{23, 59}},  {"24:00", std::nullopt},
      {"9:3", std::nullopt},         {"13:00 PM", std::nullopt},
      {"0:30 AM", std::nullopt},     {"930", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    auto clock = ParseClock(row.text);
    ASSERT_EQ(clock.has_value(), row.clock.has_value());
    if (clock) {
      EXPECT_EQ(std::pair(clock->hour, clock->minute), *row.clock);
    }
  }
}

TEST(CallFields, ClockTexts) {
  EXPECT_EQ(ClockText(21, 5, true), "09:05 PM");
  EXPECT_EQ(ClockText(21, 5, false), "21:05");
  EXPECT_EQ(ClockText(0, 0, true), "12:00 AM");
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(HourDigitsEnd("09:05 PM"), 2);
  // The typed form of every shown time reads back as that time.
  for (bool twelve : {true, false})
    for (int hour : {0, 9, 12, 23}) {
      auto clock = ParseClock(ClockText(hour, 40, twelve));
      ASSERT_TRUE(clock);
      EXPECT_EQ(clock->hour, hour);
    }
}

TEST(CallFields, ADateSpinLooksForTheBandAgainWhenTheHourOrTheKindOfDayChanges) {
  struct Row {
    const char* name;
    CallDate from, to;
    bool mayChange;
  };
  const Row rows[] = {
      {"another weekday", {3, 4, 2026, 10, 0}, {3, 5, 2026, 10, 0}, false},
      {"another hour", {3, 4, 2026, 10, 55}, {3, 4, 2026, 11, 0}, true},
      {"Friday to Saturday", {3, 6, 2026, 10, 0}, {3, 7, 2026, 10, 0}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(BandMayChange(row.from, row.to), row.mayChange);
  }
}

}  // namespace
