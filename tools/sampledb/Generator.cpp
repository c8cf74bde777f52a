#include "Generator.h"

#include <filesystem>
#include <fstream>

namespace dorv::sampledb {
namespace {

struct TableSpec {
  const char* file;
  std::vector<std::string> columns;
};

const std::vector<std::string> kLocationColumns = {
    "city",     "state_code",    "state",    "country_short", "postal_code",
    "city_code", "country",      "location_mark", "latitude", "longitude",
    "tz_name",  "std_offset_minutes", "area_code", "country_code", "rate_key", "origin"};
const std::vector<std::string> kStateColumns = {"code", "name", "group", "origin"};
const std::vector<std::string> kRateColumns = {"r1_initial", "r1_additional", "r2_initial",
                                               "r2_additional", "r3_initial", "r3_additional"};

std::vector<std::string> Concat(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

enum Table {
  kLocationsUs, kLocationsCa, kLocationsMx, kLocationsIntl, kStatesNa, kStatesOther,
  kTelcos, kBandTitles, kBandSets, kServices, kRates, kTierCountries, kTierZones, kTierRates,
  kTableCount
};

const std::vector<TableSpec>& Specs() {
  static const std::vector<TableSpec> kSpecs = {
      {"locations_us.tsv", kLocationColumns},
      {"locations_ca.tsv", kLocationColumns},
      {"locations_mx.tsv", kLocationColumns},
      {"locations_intl.tsv", kLocationColumns},
      {"states_na.tsv", kStateColumns},
      {"states_other.tsv", kStateColumns},
      {"telcos.tsv", {"name", "access_code"}},
      {"bandtitles.tsv", {"title"}},
      {"bandsets.tsv",
       {"key", "title1", "title2", "title3", "text1", "text2", "text3", "hours1", "hours2",
        "hours3"}},
      {"services.tsv",
       {"file", "service_id", "company", "call_type", "comment", "band_key", "effective",
        "initial_interval", "additional_interval"}},
      {"rates.tsv", Concat({"service_id", "rate_key", "band_key", "distance_bound"}, kRateColumns)},
      {"tier_countries.tsv", {"rate_key", "tier"}},
      {"tier_zones.tsv", {"tz_prefix", "tier"}},
      {"tier_rates.tsv", Concat({"service_id", "tier"}, kRateColumns)},
  };
  return kSpecs;
}

std::string PathOf(const std::string& dir, const char* file) {
  return (std::filesystem::path(dir) / file).string();
}

}  // namespace

std::vector<std::string> MissingTables(const std::string& tablesDir) {
  std::vector<std::string> missing;
  for (const TableSpec& spec : Specs())
    if (!std::filesystem::is_regular_file(PathOf(tablesDir, spec.file)))
      missing.push_back(PathOf(tablesDir, spec.file));
  return missing;
}

FileImages BuildSampleDatabase(const std::string& tablesDir) {
  std::vector<TsvTable> t;
  for (const TableSpec& spec : Specs()) t.emplace_back(PathOf(tablesDir, spec.file), spec.columns);
  static_assert(kTableCount == 14);
  FileImages images;
  std::vector<RateKeyUse> rateKeys;
  std::vector<std::string> bandKeys;
  BuildLocations(t[kLocationsUs], t[kLocationsCa], t[kLocationsMx], t[kLocationsIntl], images,
                 rateKeys);
  BuildStates(t[kStatesNa], t[kStatesOther], images);
  BuildTelcos(t[kTelcos], images);
  BuildBands(t[kBandTitles], t[kBandSets], images, bandKeys);
  BuildRates(t[kServices], t[kRates], {t[kTierCountries], t[kTierZones], t[kTierRates]}, rateKeys,
             bandKeys, images);
  return images;
}

bool WriteImages(const FileImages& images, const std::string& outputDir, std::string& message) {
  std::error_code error;
  std::filesystem::create_directories(outputDir, error);
  if (error) {
    message = outputDir + ": " + error.message();
    return false;
  }
  for (const auto& [name, bytes] : images) {
    std::string path = PathOf(outputDir, name.c_str());
    std::string temporary = path + ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.close();
      if (!out) {
        message = temporary + ": cannot be written";
        std::filesystem::remove(temporary, error);
        return false;
      }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
      message = path + ": " + error.message();
      return false;
    }
  }
  return true;
}

}  // namespace dorv::sampledb
