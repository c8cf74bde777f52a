#include <gtest/gtest.h>

#include <climits>

#include "data/MoneyText.h"
#include "data/PdbText.h"
#include "res/Strings.h"

using namespace dorv::data;

TEST(AlphaToDigits, MapsLettersOfBothCases) {
  EXPECT_EQ(AlphaToDigits("FLOwers QZ 1-0"), "3569377 79 1-0");
}

TEST(DialText, OwnCountryByDotsOthersByAccessAndCountryCodeLettersSpelledWhenAsked) {
  struct Row {
    const char* name;
    NumberParts number;
    const char *own, *text;
    bool spell;
  };
  const NumberParts letters = {"CANADA", "1", "", "800", "FLO", "WERS", ""};
  const Row rows[] = {
      {"own country", {"United States", "1", "", "217", "555", "0100", "42"}, "UNITED STATES",
       "217.555.0100 x42", false},
      {"other country", {"FRANCE", "33", "", "1", "4567", "8901", ""}, "UNITED STATES",
       "011-33-1.4567.8901", false},
      {"letters", letters, "canada", "800.FLO.WERS", false},
      {"letters spelled", letters, "canada", "800.FLO.WERS  (356-9377)", true},
  };
  for (const Row& row : rows)
    EXPECT_EQ(DialText(row.number, row.own, "011", row.spell), row.text) << row.name;
}

TEST(LocationText, JoinsWhatIsFilled) {
  EXPECT_EQ(LocationText({"", "", "", "MEXICO"}), "MEXICO");
  EXPECT_EQ(LocationText({"Austin", "Texas", "787011234", "UNITED STATES"}),
            "Austin, Texas 78701-1234 UNITED STATES");
  EXPECT_EQ(LocationText({"", "", "12345 6789", "united states"}), "12345-6789 united states");
  EXPECT_EQ(LocationText({"", "", "12345678", "UNITED STATES"}), "12345678 UNITED STATES");
  EXPECT_EQ(LocationText({"Paris", "", "75001", "FRANCE"}), "Paris, 75001 FRANCE");
  EXPECT_EQ(LocationText({"Paris", "", "", "FRANCE"}), "Paris, FRANCE");
}

TEST(LocalTimeText, NorthAmericaUsesTheOffsetOthersLessFive) {
  std::time_t noonUtc = 946728000;  // Sat Jan 01 2000 12:00 UTC
  EXPECT_EQ(LocalTimeText(noonUtc, -5, "UNITED STATES", false), "Sat Jan 01, 2000  07:00");
  EXPECT_EQ(LocalTimeText(noonUtc, 6, "FRANCE", true), "Sat Jan 01, 2000  01:00 PM");
  // Any stored zone is shifted without overflow (dates as the system calendar gives them).
  EXPECT_EQ(LocalTimeText(noonUtc, INT_MIN, "FRANCE", false), "Sun Mar 24, -242984  23:00");
  EXPECT_EQ(LocalTimeText(noonUtc, INT_MAX, "CANADA", false), "Thu Oct 09, 246983  19:00");
}

TEST(MoneyText, PlainAndMarkedForms) {
  struct Row { const char* name; double cents; const char* plain; };
  const Row rows[] = {
      {"zero", 0.0, "$0.0000"},         {"under a cent", 0.5, "$0.0050"},
      {"single digit cents", 5.25, "$0.0525"}, {"two digit cents", 12.34, "$0.1234"},
      {"dollars", 1234.56, "$12.3456"}, {"many dollars", 123456789.0, "$1234567.8900"},
      {"negative", -150.0, "-$1.5000"}, {"negative rounding to zero", -0.001, "$0.0000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(MoneyText(row.cents, true), row.plain);
    EXPECT_EQ(MoneyText(row.cents, false), std::string("***") + row.plain);
  }
}

TEST(JoinMoney, ReadsTypedPartsAsCents) {
  struct Case { const char* name; MoneyParts parts; double cents; } cases[] = {
      {"hundredths count a hundredth of a cent", {"0", "12", "34"}, 12.34},
      {"a cents part below 1 is a fraction of a dollar", {"", ".5", ""}, 50.0},
      {"dollars count a hundred cents", {"2", "05", "25"}, 205.25},
      {"empty and unreadable parts count 0", {"", "", "x"}, 0.0},
      {"a part is read up to its first stray character", {"1abc", "10 ", ""}, 110.0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(JoinMoney(c.parts), c.cents) << c.name;
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
  for (auto [month, name] : {std::pair{1, "January"}, {12, "December"},
                             {0, dorv::res::kUnknownMonth}, {13, dorv::res::kUnknownMonth}})
    EXPECT_EQ(MonthName(month), name) << month;
}
