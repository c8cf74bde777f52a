#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <tuple>

#include "data/FixedText.h"
#include "settings/SettingsRules.h"
#include "support/Builders.h"

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

TEST(SettingsRules, EveryPersonalEntryIsNeededButTheStateOutsideNorthAmerica) {
  struct Case {
    const char *name, *city, *state, *country, *prefix;
    const char* missing;  // the first entry needed, "" when complete
  } cases[] = {{"all filled", "Town", "New York", "United States", "555", ""},
               {"no prefix", "Town", "New York", "United States", "", "prefix"},
               {"no state in the United States", "Town", "", "United States", "555", "state"},
               {"no state in Canada, any case", "Town", "", "canada", "555", "state"},
               {"no state in Mexico", "Town", "", "Mexico", "555", ""},
               {"the first of several on the screen", "", "", "United States", "", "city"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PersonalEntries entries{"Ann", "1 Main St", c.city, c.state, "12345", c.country,
                            "212", c.prefix, "0100"};
    EXPECT_EQ(FirstMissingEntry(entries), c.missing);
    EXPECT_EQ(PersonalInfoComplete(entries), *c.missing == 0);
  }
}

TEST(SettingsRules, AChosenLocationBringsItsCountrysDefaultsOnlyToANewRecord) {
  struct Case {
    const char* name;
    data::LocationRow location;
    bool stored;
    int surcharges, recurring;
    const char *intlAccess, *defaultRate;
  } cases[] = {
      {"United States, never stored",
       test::MakeLocationRow("Albany", "New York", "United States", 1, 518), false, 7, 5, "011",
       "DIRECT DIAL"},
      {"Mexico, never stored",
       test::MakeLocationRow("Guadalajara", "Jalisco", "Mexico", 3, 0, "33"), false, 0, 0, "",
       "DIRECT DIAL"},
      {"United States, stored before",
       test::MakeLocationRow("Albany", "New York", "United States", 1, 518), true, 0, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    data::MyInfo info;
    data::ClearMyInfo(info);
    info.infoStored = c.stored ? 1 : 0;
    ApplyChosenLocation(info, c.location);
    int surcharges = 0, recurring = 0;
    for (const data::Surcharge& s : info.surcharges) surcharges += s.description[0] != 0;
    for (const data::RecurringCharge& r : info.recurringDefaults) recurring += r.name[0] != 0;
    EXPECT_EQ(surcharges, c.surcharges);
    EXPECT_EQ(recurring, c.recurring);
    EXPECT_EQ(data::ReadField(info.intlAccessCode), c.intlAccess);
    EXPECT_EQ(data::ReadField(info.defaultRateLongDistance), c.defaultRate);
    // The location and its codes come along in every case.
    EXPECT_EQ(std::tuple(data::ReadField(info.city), data::ReadField(info.stateCode),
                         data::ReadField(info.cityCode), data::ReadField(info.countryCode)),
              std::tuple(c.location.city, c.location.stateCode, c.location.cityCode,
                         std::to_string(c.location.countryCode)));
    EXPECT_EQ(std::tuple(info.locationMark, info.timeZone, info.latitude, info.longitude),
              std::tuple('L', -5, 40.5, -74.25));
  }
}

TEST(SettingsRules, WritingAPlaceCutsToItsSizeLessOne) {
  data::MyInfo info;
  data::ClearMyInfo(info);
  std::memset(info.prefix, 'x', sizeof info.prefix);
  WritePlace(info, DORV_MYINFO_PLACE(prefix), "123456789");
  EXPECT_EQ(data::ReadField(info.prefix), "1234567");
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

TEST(SettingsRules, TheCountryChoosesTheRateFilesOfTheDefaultRates) {
  using Files = std::array<std::string, 3>;  // local, long distance, international
  auto filesOf = [](const char* country) {
    const auto names = DefaultRateFileNames(country);
    return Files{names[0], names[1], names[2]};
  };
  EXPECT_EQ(filesOf("CANADA"), (Files{"dorv14", "dorv11", "dorv13"}));
  EXPECT_EQ(filesOf("United States"), filesOf("CANADA"));
  EXPECT_EQ(filesOf("Mexico"), (Files{"dorv13", "dorv13", "dorv13"}));
}
