#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "reports/BillingRules.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;
using reports::BillDate;
using reports::BillingClass;

// The Thru date of a From date, the From date at opening on a from day, and the spins' steps.
TEST(BillingRules, DatesOfTheCycle) {
  using Rule = BillDate (*)(BillDate, int);
  const Rule thru = [](BillDate from, int) { return reports::ThruDate(from); };
  const Rule opening = [](BillDate today, int from) {
    return reports::FromDateAtOpening(today, from);
  };
  const Rule year = reports::StepFromYear, month = reports::StepFromMonth,
             day = reports::StepFromDay;
  struct Row {
    const char* name;
    Rule rule;
    BillDate given;
    int number;  // the from day at opening, or the steps
    BillDate expected;
  } rows[] = {
      {"thru of the first: the calendar month", thru, {4, 1, 1998}, 0, {4, 30, 1998}},
      {"thru of mid month: the day before", thru, {12, 15, 1998}, 0, {1, 14, 1999}},
      {"thru of 30 January: end of February", thru, {1, 30, 1999}, 0, {2, 28, 1999}},
      {"thru of 30 January of a leap year", thru, {1, 30, 2000}, 0, {2, 29, 2000}},
      {"thru in 2100: no leap day in a century", thru, {1, 30, 2100}, 0, {2, 28, 2100}},
      {"thru of February's last: end of March", thru, {2, 28, 2100}, 0, {3, 31, 2100}},
      {"opening before the from day: last month", opening, {1, 5, 1999}, 15, {12, 15, 1998}},
      {"opening on the from day", opening, {4, 1, 1998}, 1, {4, 1, 1998}},
      {"from day past the month's end", opening, {3, 5, 1999}, 31, {2, 28, 1999}},
      {"damaged from day 0 starts on the first", opening, {3, 5, 1999}, 0, {3, 1, 1999}},
      {"year 2999 up stays", year, {5, 1, 2999}, 1, {5, 1, 2999}},
      {"year 1980 down stays", year, {5, 1, 1980}, -1, {5, 1, 1980}},
      {"year from a leap day", year, {2, 29, 2000}, 1, {2, 28, 2001}},
      {"month up from December", month, {12, 10, 1998}, 1, {1, 10, 1999}},
      {"month down from January", month, {1, 31, 1999}, -1, {12, 31, 1998}},
      {"month into a shorter month", month, {1, 31, 1999}, 1, {2, 28, 1999}},
      {"month past 2999 stays", month, {12, 1, 2999}, 1, {12, 1, 2999}},
      {"day down from the first", day, {3, 1, 1999}, -1, {2, 28, 1999}},
      {"day up from the last", day, {12, 31, 1998}, 1, {1, 1, 1999}},
      {"day up within the month", day, {12, 14, 1998}, 1, {12, 15, 1998}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.rule(row.given, row.number), row.expected);
  }
}

// Runs with TZ=UTC.
TEST(BillingRules, CycleBounds) {
  const reports::BillCycle january({1, 1, 1999}, {1, 31, 1999});
  const std::uint32_t endOfJanuary = test::kJan1st1999 + 31 * 86400 - 1;
  // The first second of 19 January 2038 past the signed 32-bit range.
  const reports::BillCycle late({1, 19, 2038}, {2, 18, 2038});
  struct Row {
    const char* name;
    const reports::BillCycle& cycle;
    std::uint32_t start;
    bool counts;
  } rows[] = {
      {"00:00:00 of the From date", january, test::kJan1st1999, true},
      {"23:59:59 the day before", january, test::kJan1st1999 - 1, false},
      {"23:59:59 of the Thru date", january, endOfJanuary, true},
      {"the second after the Thru date", january, endOfJanuary + 1, false},
      {"a start beyond 2038 read unsigned", late, 2147483648u, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.cycle.Contains(row.start), row.counts);
  }
}

TEST(BillingRules, ClassOfACall) {
  data::MyInfo me{};
  data::ClearMyInfo(me);
  data::WriteField(me.country, "United States");
  data::WriteField(me.state, "New York");
  me.locationMark = 'A';
  struct Row {
    const char* name;
    const char* areaCode;
    const char* country;
    const char* countryCode;
    const char* state;
    char mark;
    BillingClass expected;
  };
  using enum BillingClass;
  const Row rows[] = {
      {"888 abroad is toll free", "888", "United Kingdom", "44", "", 'B', TollFreeAudioTex},
      {"in-state with my mark in Canada", "212", "Canada", "", "new york", 'A', Local},
      {"the same in Mexico", "212", "Mexico", "", "new york", 'A', LongDistance},
      {"United States with code 1 from home", "212", "United States", "1", "New York", 'A', Local},
      {"Canada with code 1 is not abroad", "416", "Canada", "1", "Ontario", 'A', LongDistance},
      {"the United Kingdom with code 44", "20", "United Kingdom", "44", "", 'A', International},
      {"unmarked is never local", "212", "United States", "", "New York", '-', LongDistance},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    data::CallLogRecord call = test::MakeCall({"Call", test::kJan1st1999});
    data::WriteField(call.areaCode, row.areaCode);
    data::WriteField(call.country, row.country);
    data::WriteField(call.countryCode, row.countryCode);
    data::WriteField(call.state, row.state);
    call.locationMark = row.mark;
    EXPECT_EQ(reports::ClassOf(call, me), row.expected);
  }
}

TEST(BillingRules, TotalsAndTheirTexts) {
  reports::BillTotals totals;
  totals.recurring = 3300.0;
  totals.AddCall(BillingClass::Local, 125.5, 3725);
  totals.AddCall(BillingClass::Local, 100.0, 60);
  totals.AddCall(BillingClass::International, 1000.0, 600);
  const reports::BillTexts texts = reports::TextsOf(totals);
  std::vector<std::string> shown{texts.recurring, texts.calls, texts.total};
  for (const reports::ClassTexts& section : texts.classes)
    shown.insert(shown.end(), {section.count, section.length, section.cost});
  EXPECT_EQ(shown, (std::vector<std::string>{"$33.0000", "$12.2550", "$45.2550", "2", "01:03:05",
                                             "$2.2550", "0", "00:00:00", "$0.0000", "1", "00:10:00",
                                             "$10.0000", "0", "00:00:00", "$0.0000"}));
}
