#include <cmath>

#include "Builders.h"
#include "data/PdbText.h"
#include "data/SampleLocation.h"

namespace dorv::sampledb {
namespace {

bool IsNorthAmerica(const std::string& country) {
  return data::EqualsNoCase(country, "United States") || data::EqualsNoCase(country, "Canada") ||
         data::EqualsNoCase(country, "Mexico");
}

data::SampleLocation LocationOf(const TsvRow& row) {
  data::SampleLocation location;
  data::ClearLocation(location);
  std::string key = row.Text("rate_key", 3);
  if (key.empty()) row.Fail("rate_key", "is empty");
  data::SetRateKey(location, key);
  row.TextInto(location.city, "city");
  row.TextInto(location.stateCode, "state_code");
  row.TextInto(location.state, "state");
  row.TextInto(location.countryShort, "country_short");
  row.TextInto(location.postalCode, "postal_code");
  row.TextInto(location.cityCode, "city_code");
  row.TextInto(location.country, "country");
  std::string mark = row.Text("location_mark", 1);
  if (mark.size() != 1) row.Fail("location_mark", "must be one character");
  location.locationMark = static_cast<std::uint8_t>(mark[0]);
  location.latitude = row.OptionalNumber("latitude", -90, 90).value_or(-1.0);
  location.longitude = row.OptionalNumber("longitude", -180, 180).value_or(-1.0);
  int offset = static_cast<int>(row.Integer("std_offset_minutes", -720, 840));
  location.timeZone = TimeZoneInput(offset, IsNorthAmerica(data::ReadField(location.country)));
  location.areaCode = static_cast<std::int32_t>(row.Integer("area_code", 0, 999));
  location.countryCode = static_cast<std::int32_t>(row.Integer("country_code", 1, 9999));
  return location;
}

std::string BuildTable(const TsvTable& table, std::vector<RateKeyUse>& rateKeys) {
  std::string image;
  for (const TsvRow& row : table.Rows()) {
    data::SampleLocation location = LocationOf(row);
    std::string key = data::RateKeyOf(location);
    bool known = false;
    for (const RateKeyUse& use : rateKeys) known = known || use.key == key;
    if (!known) rateKeys.push_back({key, row.Text("tz_name", 64), row.Where()});
    AppendRow(image, row, location, data::EncodeLocation);
  }
  return image;
}

}  // namespace

int TimeZoneInput(int standardOffsetMinutes, bool northAmerica) {
  int hours = static_cast<int>(std::floor((standardOffsetMinutes + 30) / 60.0));
  return northAmerica ? hours : hours + 5;
}

void BuildLocations(const TsvTable& unitedStates, const TsvTable& canada, const TsvTable& mexico,
                    const TsvTable& international, FileImages& images,
                    std::vector<RateKeyUse>& rateKeys) {
  images[data::kUnitedStatesTable] = BuildTable(unitedStates, rateKeys);
  images[data::kCanadaTable] = BuildTable(canada, rateKeys);
  images[data::kMexicoTable] = BuildTable(mexico, rateKeys);
  images[data::kInternationalTable] = BuildTable(international, rateKeys);
}

}  // namespace dorv::sampledb
