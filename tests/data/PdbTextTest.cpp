#include <gtest/gtest.h>

#include <climits>

#include "data/PdbText.h"

using namespace dorv::data;

TEST(AlphaToDigits, MapsLettersOfBothCases) {
  EXPECT_EQ(AlphaToDigits("FLOWERS"), "3569377");
  EXPECT_EQ(AlphaToDigits("flowers"), "3569377");
  EXPECT_EQ(AlphaToDigits("QZ 1-0"), "79 1-0");
}

TEST(DialText, OwnCountryByDotsOthersByAccessAndCountryCodeLettersSpelledWhenAsked) {
  struct Row { const char* name; NumberParts number; const char* own; bool spell; const char* text; };
  const Row rows[] = {
      {"own country", {"United States", "1", "", "217", "555", "0100", "42"}, "UNITED STATES", false,
       "217.555.0100 x42"},
      {"other country", {"FRANCE", "33", "", "1", "4567", "8901", ""}, "UNITED STATES", false,
       "011-33-1.4567.8901"},
      {"letters", {"CANADA", "1", "", "800", "FLO", "WERS", ""}, "canada", false, "800.FLO.WERS"},
      {"letters spelled", {"CANADA", "1", "", "800", "FLO", "WERS", ""}, "canada", true,
       "800.FLO.WERS  (356-9377)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DialText(row.number, row.own, "011", row.spell), row.text);
  }
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
