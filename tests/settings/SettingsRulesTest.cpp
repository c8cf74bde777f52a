#include <gtest/gtest.h>

#include <cstring>

#include "data/FixedText.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsTestSupport.h"

using namespace dorv;
using namespace dorv::settings;

TEST(SettingsRules, DigitsFieldsGiveTheirNumberOrZero) {
  struct Case {
    const char* text;
    std::int32_t value;
    bool isNumber;
  };
  const Case cases[] = {
      {"15", 15, true},  {" 7 ", 7, true},          {"", 0, true},
      {"-3", -3, true},  {"abc", 0, false},         {"12abc", 0, false},
      {"1 5", 0, false}, {"99999999999", 0, false}, {"2147483647", 2147483647, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const DigitsValue parsed = ParseDigits(c.text);
    EXPECT_EQ(parsed.value, c.value);
    EXPECT_EQ(parsed.isNumber, c.isNumber);
  }
}

// The empty state by country is driven through the dialog; here the other fields count.
TEST(SettingsRules, EveryPersonalEntryIsNeeded) {
  PersonalEntries entries{"Ann", "1 Main St", "Town", "New York", "12345", "United States",
                          "212", "555", "0100"};
  EXPECT_TRUE(PersonalInfoComplete(entries));
  entries.prefix.clear();
  EXPECT_FALSE(PersonalInfoComplete(entries));
}

TEST(SettingsRules, WritingAPlaceCutsToItsSizeLessOne) {
  data::MyInfo info;
  data::ClearMyInfo(info);
  std::memset(info.prefix, 'x', sizeof info.prefix);
  WritePlace(info, DORV_MYINFO_PLACE(prefix), "123456789");
  EXPECT_EQ(data::ReadField(info.prefix), "1234567");
  EXPECT_EQ(info.prefix[7], '\0');
  EXPECT_EQ(info.suffix[0], '\0');  // the next field is untouched
  EXPECT_EQ(ReadPlace(info, DORV_MYINFO_PLACE(prefix)), "1234567");
}

TEST(SettingsRules, AreaCodeOfALocation) {
  EXPECT_EQ(AreaCodeText(test::MakeLocationRow("Ottawa", "Ontario", "Canada", 2, 613)), "613");
  EXPECT_EQ(AreaCodeText(test::MakeLocationRow("Guadalajara", "Jalisco", "Mexico", 3, 0, "33")),
            "33");
  EXPECT_EQ(AreaCodeText(test::MakeLocationRow("Paris", "", "France", 4, 0)), "");
}

TEST(SettingsRules, DialingInformationCopiesOnlyItsOwnFields) {
  data::MyInfo from, to;
  data::ClearMyInfo(from);
  data::ClearMyInfo(to);
  data::ApplyNorthAmericanDefaults(from);
  data::WriteField(from.name, "not copied");
  data::WriteField(from.outsideLine, "9");
  CopyDialingInformation(from, to);
  EXPECT_EQ(data::ReadField(to.outsideLine), "9");
  EXPECT_EQ(data::ReadField(to.operatorLocal), "0");
  EXPECT_EQ(data::ReadField(to.threeWayCalling), "----");
  EXPECT_EQ(data::ReadField(to.defaultRateInternational), "DIRECT DIAL");
  EXPECT_EQ(data::ReadField(to.name), "");
  EXPECT_EQ(data::ReadField(to.surcharges[0].description), "");  // not dialling information
}
