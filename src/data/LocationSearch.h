#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/SampleLocation.h"
#include "data/SampleTables.h"

namespace dorv::data {

// One location found in the sample database, as the result lists and the pickers hand it on.
struct LocationRow {
  std::string city, stateCode, state, postalCode, country, countryShort, cityCode;
  std::int32_t timeZone = 0;
  std::int32_t countryCode = 0;
  std::int32_t areaCode = 0;
  int region = 0;  // 1 United States, 2 Canada, 3 Mexico, 4 international
  char locationMark = 0;
  std::int64_t sortValue = 0;  // area code in North America, the city code's value elsewhere
  double latitude = -1.0;
  double longitude = -1.0;
  long recordIndex = -1;
  std::string rateKey;
};

LocationRow LocationRowOf(const data::SampleLocation& location, int region, long index);

// The five ways a location is searched for.
enum class SearchCriterion { AreaOrCityCode, City, StateOrProvince, PostalCode, Country };

// Whether a record matches a search text (already turned from "USA" into "US" where that
// applies): the text is a prefix of one of the criterion's fields, ignoring letter case.
bool LocationMatches(const data::SampleLocation& location, SearchCriterion criterion,
                     const std::string& text);

// The search text as the search uses it: "USA" becomes "US" for a country search.
std::string EffectiveSearchText(SearchCriterion criterion, const std::string& typed);

struct SearchOutcome {
  std::vector<LocationRow> rows;
  int failedRegion = 0;  // the region whose table could not be counted, 0 when none
  // Regions whose scan stopped early at a record that could not be read, in region order.
  std::vector<int> unreadRegions;
};

// Searches the four region tables in region order. progress is called once per step of
// recordsPerStep records read (counted across the regions).
SearchOutcome SearchLocations(data::SampleTables& tables, SearchCriterion criterion,
                              const std::string& typed, long recordsPerStep = 0,
                              const std::function<void()>& progress = {});

// The number of records of all four tables, for the progress bar's step.
long TotalLocationCount(data::SampleTables& tables);

}  // namespace dorv::data
