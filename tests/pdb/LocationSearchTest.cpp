#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/LocationSearch.h"
#include "support/LookupTables.h"

using namespace dorv;
using dorv::test::LookupTables;

namespace {

std::vector<std::string> CitiesFound(LookupTables& t, data::SearchCriterion criterion,
                                     const std::string& text) {
  data::SearchOutcome outcome = data::SearchLocations(t.tables, criterion, text);
  EXPECT_EQ(outcome.failedRegion, 0);
  std::vector<std::string> cities;
  for (const data::LocationRow& row : outcome.rows) cities.push_back(row.city);
  return cities;
}

using Cities = std::vector<std::string>;

}  // namespace

TEST(LocationSearch, PrefixesMatchWithoutRegardToCaseInEveryRegion) {
  LookupTables t;
  ASSERT_TRUE(t.tables.international.IsOpen());
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::City, "san"),
            (Cities{"San Diego", "Santa Fe", "Sandy Cove", "SAN LUIS POTOSI", "Santiago"}));
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::City, "SANTA"), (Cities{"Santa Fe"}));
  // "61" is a prefix of area codes 610-619 and of city codes beginning with 61.
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::AreaOrCityCode, "61"),
            (Cities{"San Diego", "Philadelphia", "Lagos"}));
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::StateOrProvince, "ns"),
            (Cities{"Sandy Cove", "Sydney"}));
  EXPECT_TRUE(CitiesFound(t, data::SearchCriterion::PostalCode, "99999").empty());
}

TEST(LocationSearch, CountrySearchTakesUsaAsUsAndMatchesCountryCodes) {
  LookupTables t;
  EXPECT_EQ(data::EffectiveSearchText(data::SearchCriterion::Country, "usa"), "US");
  EXPECT_EQ(data::EffectiveSearchText(data::SearchCriterion::City, "usa"), "usa");
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::Country, "usa").size(), 4u);
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::Country, "52"),
            (Cities{"SAN LUIS POTOSI", "Guadalajara"}));
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::Country, "nig"), (Cities{"Lagos"}));
  EXPECT_EQ(CitiesFound(t, data::SearchCriterion::Country, "56abc"), (Cities{"Santiago"}));
}

TEST(LocationSearch, RowsCarryTheirRegionSortValueAndIndex) {
  LookupTables t;
  data::SearchOutcome outcome =
      data::SearchLocations(t.tables, data::SearchCriterion::City, "Guadalajara");
  ASSERT_EQ(outcome.rows.size(), 1u);
  const data::LocationRow& row = outcome.rows[0];
  EXPECT_EQ(row.region, 3);
  EXPECT_EQ(row.sortValue, 33);
  EXPECT_EQ(row.recordIndex, 1);
  EXPECT_EQ(row.rateKey, "MX");
  EXPECT_EQ(row.countryCode, 52);
}

TEST(LocationSearch, ProgressStepsAcrossRegionsAndAFailedRegionIsNamed) {
  LookupTables t;
  EXPECT_EQ(data::TotalLocationCount(t.tables), 10);
  int steps = 0;
  data::SearchLocations(t.tables, data::SearchCriterion::City, "x", 3, [&] { ++steps; });
  EXPECT_EQ(steps, 3);  // 10 records, a step every 3
  t.tables.mexico.Close();
  data::SearchOutcome outcome = data::SearchLocations(t.tables, data::SearchCriterion::City, "san");
  EXPECT_EQ(outcome.failedRegion, 3);
}

TEST(LocationSearch, AnUnreadableRecordStopsOnlyItsRegionAndIsNamed) {
  LookupTables t;
  bool truncated = false;
  // The United States table loses all but its first record while it is being scanned.
  data::SearchOutcome outcome =
      data::SearchLocations(t.tables, data::SearchCriterion::City, "san", 1, [&] {
        if (!truncated)
          std::filesystem::resize_file(t.db.Path(dorv::data::kUnitedStatesTable), 208);
        truncated = true;
      });
  EXPECT_EQ(outcome.failedRegion, 0);
  EXPECT_EQ(outcome.unreadRegions, std::vector<int>{1});
  std::vector<std::string> cities;
  for (const data::LocationRow& row : outcome.rows) cities.push_back(row.city);
  EXPECT_EQ(cities, (std::vector<std::string>{"San Diego", "Sandy Cove", "SAN LUIS POTOSI",
                                              "Santiago"}));
}
