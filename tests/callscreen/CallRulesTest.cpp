#include <gtest/gtest.h>

#include <cstring>

#include "callscreen/CallScreenWorld.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "rating/callscreen/BandRows.h"
#include "rating/callscreen/CallFields.h"
#include "rating/callscreen/CallFinish.h"
#include "rating/callscreen/FarEnd.h"
#include "support/Builders.h"

using namespace dorv;
using namespace dorv::rating;
using dorv::test::LocalTime;

namespace {

TEST(CallFields, DateSpinsKeepEveryFieldInItsRange) {
  using enum DateField;
  struct Row {
    const char* name;
    CallDate from;
    DateField field;
    int steps;
    bool byHour;
    CallDate to;
  };
  const Row rows[] = {
      {"month stops at December", {12, 5, 2026, 9, 30}, Month, 1, false, {12, 5, 2026, 9, 30}},
      {"day follows a shorter month", {1, 31, 2026, 9, 30}, Month, 1, false, {2, 28, 2026, 9, 30}},
      {"leap February has 29 days", {1, 31, 2024, 9, 30}, Month, 1, false, {2, 29, 2024, 9, 30}},
      {"day follows the year", {2, 29, 2024, 9, 30}, Year, 1, false, {2, 28, 2025, 9, 30}},
      {"day stops at the month's last", {2, 28, 2026, 9, 30}, Day, 1, false, {2, 28, 2026, 9, 30}},
      {"year stops at 1980", {6, 1, 1980, 9, 30}, Year, -1, false, {6, 1, 1980, 9, 30}},
      {"year goes on past 2037", {6, 1, 2037, 9, 30}, Year, 1, false, {6, 1, 2038, 9, 30}},
      {"year stops at 2099", {6, 1, 2099, 9, 30}, Year, 1, false, {6, 1, 2099, 9, 30}},
      {"time moves five minutes", {6, 1, 2026, 9, 33}, Time, 1, false, {6, 1, 2026, 9, 38}},
      {"an hour from the hour digits", {6, 1, 2026, 9, 30}, Time, 1, true, {6, 1, 2026, 10, 30}},
      {"round midnight, same day", {6, 1, 2026, 23, 55}, Time, 1, false, {6, 1, 2026, 0, 0}},
      {"an hour back past midnight", {6, 1, 2026, 0, 10}, Time, -1, true, {6, 1, 2026, 23, 10}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(SpinDate(row.from, row.field, row.steps, row.byHour), row.to) << row.name;
}

TEST(CallFields, LengthsStopAtTheirLimitsAndConvert) {
  EXPECT_EQ(SpinLength({99, 0, 0}, LengthField::Hours, 1), (CallLength{99, 0, 0}));
  EXPECT_EQ(SpinLength({0, 0, 0}, LengthField::Minutes, -1), (CallLength{0, 0, 0}));
  EXPECT_EQ(SpinLength({0, 0, 59}, LengthField::Seconds, 1), (CallLength{0, 0, 59}));
  EXPECT_EQ(LengthOf(3725), (CallLength{1, 2, 5}));
  EXPECT_EQ(SecondsOf(LengthOf(0xFFFFFFFFu)), 0xFFFFFFFFu) << "a stored length past 99 hours";
  const CallDate date{3, 4, 2026, 16, 45};
  EXPECT_EQ(DateOfTime(TimeOfDate(date) + 59), date);
}

TEST(CallFields, TypedValuesAndClockTexts) {
  EXPECT_EQ(ParseMonth("march"), 3);
  EXPECT_EQ(ParseMonth("11"), 11);
  EXPECT_EQ(ParseMonth("13"), std::nullopt);
  EXPECT_EQ(ParseMonth("Marc"), std::nullopt);
  EXPECT_EQ(ParseNumber(" 2030 ", 1980, 2037), 2030);
  EXPECT_EQ(ParseNumber("2040", 1980, 2037), std::nullopt);
  EXPECT_EQ(ParseNumber("-1", 0, 59), std::nullopt);
  EXPECT_EQ(ParseNumber("", 0, 59), std::nullopt);
  using Clock = std::optional<std::pair<int, int>>;
  const std::pair<const char*, Clock> clocks[] = {
      {"09:30", std::pair{9, 30}},   {"9:30 PM", std::pair{21, 30}}, {"12:00 AM", std::pair{0, 0}},
      {"12:15 pm", std::pair{12, 15}}, {"23:59", std::pair{23, 59}}, {"24:00", std::nullopt},
      {"9:3", std::nullopt},         {"13:00 PM", std::nullopt},     {"0:30 AM", std::nullopt},
      {"930", std::nullopt},         {"00:40", std::pair{0, 40}}};
  for (const auto& [text, expected] : clocks) {
    const auto clock = ParseClock(text);
    EXPECT_EQ(clock ? Clock(std::pair(clock->hour, clock->minute)) : std::nullopt, expected)
        << text;
  }
  EXPECT_EQ(ClockText(21, 5, true), "09:05 PM");
  EXPECT_EQ(ClockText(21, 5, false), "21:05");
  EXPECT_EQ(HourDigitsEnd("09:05 PM"), 2);
}

TEST(CallFields, ADateSpinLooksForTheBandAgainWhenTheHourOrTheKindOfDayChanges) {
  EXPECT_FALSE(BandMayChange({3, 4, 2026, 10, 0}, {3, 5, 2026, 10, 0})) << "another weekday";
  EXPECT_TRUE(BandMayChange({3, 4, 2026, 10, 55}, {3, 4, 2026, 11, 0})) << "another hour";
  EXPECT_TRUE(BandMayChange({3, 6, 2026, 10, 0}, {3, 7, 2026, 10, 0})) << "Friday to Saturday";
}

TEST(BandRows, EachRowNamesItsBandAndEmptyBandsHaveNoRow) {
  data::PdbRecord entry = dorv::test::MakeEntry();
  std::memset(entry.bandTitle[0], 0, sizeof entry.bandTitle[0]);
  std::fill_n(entry.bandHours, 6, 0);
  const std::vector<BandRow> rows = BandRowsOf(entry, true);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(std::pair(rows[0].band, rows[1].band), std::pair(1, 2));
  EXPECT_EQ(rows[0].text, data::BandTextOfEntry(entry, 1, true));
}

TEST(FarEnd, TheLocalTimeThereTakesOffTheStoredFiveHoursOutsideNorthAmerica) {
  struct Row { const char* country; int timeZone; int hour; };
  const Row rows[] = {{"UNITED STATES", -6, 4}, {"FRANCE", 6, 11}};
  data::MyInfo me{};
  data::ClearMyInfo(me);
  data::WriteField(me.country, "UNITED STATES");
  for (const Row& row : rows) {
    data::PdbRecord entry = dorv::test::MakeEntry();
    data::WriteField(entry.country, row.country);
    entry.timeZone = row.timeZone;
    const auto there = FarEndDate(FarEndOf(entry, me), LocalTime(2026, 3, 4, 10, 0));
    ASSERT_TRUE(there) << row.country;
    EXPECT_EQ(there->hour, row.hour) << row.country;
  }
}

TEST(CallFinish, TheQuestionAndTheChargesFollowDirectionModeStatusAndAnswer) {
  using enum CallScreenMode;
  using enum FinishQuestion;
  struct Row {
    const char* name;
    CallScreenMode mode;
    bool outgoing, noAnswer, busy;
    FinishQuestion question;
  };
  const Row rows[] = {
      {"incoming busy asks about rating only", Timing, false, false, true, RateIncoming},
      {"incoming manual", ManualEntry, false, false, false, RateIncoming},
      {"outgoing timed", Timing, true, false, false, None},
      {"outgoing busy", Timing, true, false, true, ChargeBusyOrNoAnswer},
      {"outgoing no answer", Timing, true, true, false, ChargeBusyOrNoAnswer},
      {"manual entry never asks about busy", ManualEntry, true, true, true, None},
  };
  for (const Row& row : rows)
    EXPECT_EQ(QuestionOnFinishing(row.mode, row.outgoing, row.noAnswer, row.busy), row.question)
        << row.name;
  // What is charged: {rate, surcharges}, or nothing when the answer keeps the screen.
  using Charged = std::optional<std::pair<bool, bool>>;
  const std::tuple<FinishQuestion, Answer, Charged> answers[] = {
      {ChargeBusyOrNoAnswer, Answer::Yes, std::pair(true, true)},
      {ChargeBusyOrNoAnswer, Answer::No, std::pair(false, false)},
      {RateIncoming, Answer::No, std::pair(false, true)},
      {RateIncoming, Answer::Cancel, std::nullopt}};
  for (const auto& [question, answer, charged] : answers) {
    const auto charging = ChargingFor(question, answer);
    EXPECT_EQ(charging ? Charged(std::pair(charging->rate, charging->surcharges)) : std::nullopt,
              charged);
  }
  // A reopened call keeps its charge only when its rate is charged.
  for (const bool rate : {true, false}) {
    data::CallLogRecord record{};
    FillReopenedCall(record, {.charge = 30.0, .charging = {rate, true}});
    EXPECT_EQ(record.cost, rate ? 30.0 : 0.0);
  }
}

TEST(CallFinish, ANewCallCopiesTheEntryAndKeepsOrEmptiesTheSurcharges) {
  const data::PdbRecord entry = dorv::test::MakeEntry();
  for (bool surcharges : {true, false}) {
    SCOPED_TRACE(surcharges ? "charged" : "not charged");
    data::CallLogRecord record{};
    data::ClearCallRecord(record, true);
    record.surcharges[3] = dorv::test::MakeSurcharge("Operator", 105);
    record.memoFileNumber = 9;
    FinishedCall call{.duration = 125, .charge = 40.0, .outgoing = false, .start = 1234567890,
                      .charging = {false, surcharges}};
    FillNewCall(record, entry, call);
    EXPECT_EQ(data::ReadField(record.name), "Aunt Mary");
    EXPECT_EQ(data::ReadField(record.bandTitle[1]), "Evening");
    EXPECT_EQ(std::memcmp(record.rates, entry.rates, sizeof record.rates), 0);
    EXPECT_EQ(std::memcmp(record.bandHours, entry.bandHours, sizeof record.bandHours), 0);
    EXPECT_EQ(std::tuple(record.timeZone, record.locationMark, record.ratesChanged),
              std::tuple(-6, 'U', 1));
    EXPECT_EQ(std::tuple(record.memoFileNumber, record.duration, record.cost, record.outgoing,
                         record.start),
              std::tuple(0u, 125u, 0.0, 0, 1234567890u));
    EXPECT_EQ(std::tuple(record.surcharge, data::ReadField(record.surcharges[3].description),
                         record.surcharges[3].cost, record.surcharges[0].kind),
              surcharges ? std::tuple(25.0, std::string("Operator"), 105.0, 1)
                         : std::tuple(0.0, std::string(), 0.0, 0));
  }
}

}  // namespace
