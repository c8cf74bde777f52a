#include <gtest/gtest.h>

#include <climits>

#include "data/PdbText.h"

using namespace dorv::data;

TEST(AlphaToDigits, MapsLettersOfBothCases) {
  EXPECT_EQ(AlphaToDigits("FLOWERS"), "3569377");
  EXPECT_EQ(AlphaToDigits("flowers"), "3569377");
  EXPECT_EQ(AlphaToDigits("QZ 1-0"), "79 1-0");
}

TEST(DialText, OwnCountryJoinsPartsByDots) {
  NumberParts n{"United States", "1", "", "217", "555", "0100", "42"};
  EXPECT_EQ(DialText(n, "UNITED STATES", "011", false), "217.555.0100 x42");
}

TEST(DialText, OtherCountryStartsWithAccessAndCountryCode) {
  NumberParts n{"FRANCE", "33", "", "1", "4567", "8901", ""};
  EXPECT_EQ(DialText(n, "UNITED STATES", "011", false), "011-33-1.4567.8901");
}

TEST(DialText, LettersAreSpelledOutOnlyWhenAsked) {
  NumberParts n{"CANADA", "1", "", "800", "FLO", "WERS", ""};
  EXPECT_EQ(DialText(n, "canada", "011", false), "800.FLO.WERS");
  EXPECT_EQ(DialText(n, "canada", "011", true), "800.FLO.WERS  (356-9377)");
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
