#include <gtest/gtest.h>

#include "data/MoneyText.h"
#include "res/Strings.h"

using namespace dorv::data;

TEST(MoneyText, PlainAndMarkedForms) {
  struct Row { const char* name; double cents; const char* plain; };
  const Row rows[] = {
      {"zero", 0.0, "$0.0000"},       {"one dollar", 100.0, "$1.0000"},
      {"under a cent", 0.5, "$0.0050"}, {"single digit cents", 5.25, "$0.0525"},
      {"two digit cents", 12.34, "$0.1234"}, {"dollars", 1234.56, "$12.3456"},
      {"many dollars", 123456789.0, "$1234567.8900"}, {"negative", -150.0, "-$1.5000"},
      {"negative rounding to zero", -0.001, "$0.0000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(MoneyText(row.cents, true), row.plain);
    EXPECT_EQ(MoneyText(row.cents, false), std::string("***") + row.plain);
  }
}

TEST(JoinMoney, ReadsTypedPartsAsCents) {
  struct Case {
    const char* name;
    MoneyParts parts;
    double cents;
  } cases[] = {
      {"hundredths count a hundredth of a cent", {"0", "12", "34"}, 12.34},
      {"a cents part below 1 is a fraction of a dollar", {"", ".5", ""}, 50.0},
      {"dollars count a hundred cents", {"2", "05", "25"}, 205.25},
      {"empty and unreadable parts count 0", {"", "", "x"}, 0.0},
      {"a part is read up to its first stray character", {"1abc", "10 ", ""}, 110.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(JoinMoney(c.parts), c.cents);
  }
  // What the split shows is read back as the same amount.
  for (double cents : {0.0, 7.5, 12.34, 1999.99})
    EXPECT_NEAR(JoinMoney(SplitMoney(cents)), cents, 1e-9) << cents;
}

TEST(LengthText, HoursMinutesSeconds) {
  for (auto [seconds, text] : {std::pair{0, "00:00:00"}, {59, "00:00:59"}, {61, "00:01:01"},
                               {3600, "01:00:00"}, {360000, "100:00:00"}})
    EXPECT_EQ(LengthText(seconds), text);
}

TEST(DateTexts, EnglishNamesInLocalTime) {
  // The test runs with TZ=UTC.
  std::time_t when = 946728000 + 3600 * 3 + 60 * 5;  // Sat Jan 01 2000 15:05
  EXPECT_EQ(DateTimeText(when, false), "Sat Jan 01, 2000  15:05");
  EXPECT_EQ(DateTimeText(when, true), "Sat Jan 01, 2000  03:05 PM");
  EXPECT_EQ(DateText(when), "Sat Jan 01, 2000");
}

TEST(MonthName, EnglishNamesAndUnknown) {
  EXPECT_EQ(MonthName(1), "January");
  EXPECT_EQ(MonthName(12), "December");
  EXPECT_EQ(MonthName(0), dorv::res::kUnknownMonth);
  EXPECT_EQ(MonthName(13), dorv::res::kUnknownMonth);
}
