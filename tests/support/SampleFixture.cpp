#include "support/SampleFixture.h"

#include <algorithm>
#include <filesystem>

#include "data/FixedText.h"

namespace dorv::test {

data::HourDefinition MakeBandSet(const std::string& key, const std::string& title1,
                                 std::initializer_list<std::uint16_t> hours) {
  data::HourDefinition set{};
  data::WriteField(set.key, key);
  data::WriteField(set.bandTitle[0], title1);
  data::WriteField(set.bandText[2], "text of band three");
  std::copy_n(hours.begin(), std::min<std::size_t>(hours.size(), 18), set.bandHours);
  return set;
}

data::SampleLocation MakeLocation(const std::string& city, const std::string& stateCode,
                                  const std::string& country, const std::string& rateKey) {
  data::SampleLocation location;
  data::ClearLocation(location);
  data::SetRateKey(location, rateKey);
  data::WriteField(location.city, city);
  data::WriteField(location.stateCode, stateCode);
  data::WriteField(location.country, country);
  data::WriteField(location.countryShort, rateKey);
  location.locationMark = 'A';
  location.latitude = 40.7128;
  location.longitude = -74.006;
  location.timeZone = -5;
  location.areaCode = 212;
  location.countryCode = 1;
  return location;
}

data::StateRecord MakeState(const std::string& code, const std::string& name,
                            const std::string& group) {
  data::StateRecord state{};
  data::WriteField(state.code, code);
  data::WriteField(state.name, name);
  data::WriteField(state.group, group);
  return state;
}

data::TelcoEntry MakeTelco(const std::string& name, int accessCode) {
  data::TelcoEntry entry;
  data::ClearTelco(entry);
  data::WriteField(entry.name, name);
  entry.accessCode = accessCode;
  return entry;
}

void WriteMinimalSampleFiles(const TempDatabase& db) {
  for (const char* table : {data::kUnitedStatesTable, data::kMexicoTable, data::kCanadaTable,
                            data::kInternationalTable})
    db.WriteFile(table, EncodedImage({MakeLocation("New York", "NY", "United States", "US")},
                                     data::EncodeLocation));
  for (const char* table : {data::kNorthAmericanStates, data::kOtherStates})
    db.WriteFile(table, EncodedImage({MakeState("NY", "New York", "011")}, data::EncodeState));
  db.WriteFile(data::kTelcoFileName,
               EncodedImage({MakeTelco("Example Telephone", 1010457)}, data::EncodeTelco));
  db.WriteFile(data::kHourDefinitionFileName,
               EncodedImage({MakeBandSet("1", "All Week", {2400, 2400, 2400, 2400, 2400, 2400})},
                            data::EncodeHourDefinition));
}

std::vector<std::string> SampleFileNames() {
  std::vector<std::string> names = {"dorv1"};
  for (int n = 3; n <= 20; ++n) names.push_back("dorv" + std::to_string(n));
  return names;
}

bool CopySampleFiles(const TempDatabase& db, const std::string& fromDir) {
  namespace fs = std::filesystem;
  std::error_code error;
  for (const std::string& name : SampleFileNames())
    if (!fs::copy_file(fs::path(fromDir) / name, db.Path(name), fs::copy_options::overwrite_existing,
                       error))
      return false;
  return true;
}

}  // namespace dorv::test
