#include "data/LocationSearch.h"

#include <cctype>
#include <cstdlib>

#include "data/FixedText.h"
#include "data/PdbText.h"

namespace dorv::data {
namespace {

bool StartsWithNoCase(const std::string& field, const std::string& prefix) {
  return field.size() >= prefix.size() &&
         data::EqualsNoCase(field.substr(0, prefix.size()), prefix);
}

// The value of the leading digits of a text, 0 when it has none.
std::int64_t LeadingNumber(const std::string& text) {
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    if (value > 1'000'000'000) break;  // more digits than any code has
    value = value * 10 + (c - '0');
  }
  return value;
}

bool NorthAmerican(int region) { return region == 1 || region == 2; }

}  // namespace

LocationRow LocationRowOf(const data::SampleLocation& location, int region, long index) {
  LocationRow row;
  row.city = data::ReadField(location.city);
  row.stateCode = data::ReadField(location.stateCode);
  row.state = data::ReadField(location.state);
  row.postalCode = data::ReadField(location.postalCode);
  row.country = data::ReadField(location.country);
  row.countryShort = data::ReadField(location.countryShort);
  row.cityCode = data::ReadField(location.cityCode);
  row.timeZone = location.timeZone;
  row.countryCode = location.countryCode;
  row.areaCode = location.areaCode;
  row.region = region;
  row.locationMark = static_cast<char>(location.locationMark);
  row.sortValue = NorthAmerican(region) ? location.areaCode : LeadingNumber(row.cityCode);
  row.latitude = location.latitude;
  row.longitude = location.longitude;
  row.recordIndex = index;
  row.rateKey = data::RateKeyOf(location);
  return row;
}

std::string EffectiveSearchText(SearchCriterion criterion, const std::string& typed) {
  if (criterion == SearchCriterion::Country && data::EqualsNoCase(typed, "USA")) return "US";
  return typed;
}

bool LocationMatches(const data::SampleLocation& location, SearchCriterion criterion,
                     const std::string& text) {
  switch (criterion) {
    case SearchCriterion::AreaOrCityCode:
      return StartsWithNoCase(std::to_string(location.areaCode), text) ||
             StartsWithNoCase(data::ReadField(location.cityCode), text);
    case SearchCriterion::City:
      return StartsWithNoCase(data::ReadField(location.city), text);
    case SearchCriterion::StateOrProvince:
      return StartsWithNoCase(data::ReadField(location.stateCode), text) ||
             StartsWithNoCase(data::ReadField(location.state), text);
    case SearchCriterion::PostalCode:
      return StartsWithNoCase(data::ReadField(location.postalCode), text);
    case SearchCriterion::Country:
      return StartsWithNoCase(data::ReadField(location.country), text) ||
             LeadingNumber(text) == location.countryCode ||
             StartsWithNoCase(data::ReadField(location.countryShort), text);
  }
  return false;
}

long TotalLocationCount(data::SampleTables& tables) {
  long total = 0;
  for (int region = 1; region <= 4; ++region) {
    long count = tables.Region(region)->Count();
    if (count > 0) total += count;
  }
  return total;
}

SearchOutcome SearchLocations(data::SampleTables& tables, SearchCriterion criterion,
                              const std::string& typed, long recordsPerStep,
                              const std::function<void()>& progress) {
  SearchOutcome outcome;
  const std::string text = EffectiveSearchText(criterion, typed);
  long sinceStep = 0;
  data::SampleLocation location;
  for (int region = 1; region <= 4; ++region) {
    data::LocationTable& table = *tables.Region(region);
    long count = table.Count();
    if (count < 0) {
      outcome.failedRegion = region;
      return outcome;
    }
    for (long i = 0; i < count; ++i) {
      if (!table.ReadLocation(i, location)) {
        outcome.unreadRegions.push_back(region);
        break;
      }
      if (recordsPerStep > 0 && ++sinceStep >= recordsPerStep) {
        sinceStep = 0;
        if (progress) progress();
      }
      if (LocationMatches(location, criterion, text))
        outcome.rows.push_back(LocationRowOf(location, region, i));
    }
  }
  return outcome;
}

}  // namespace dorv::data
