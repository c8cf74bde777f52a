#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "Generator.h"
#include "data/FixedText.h"
#include "data/RateFiles.h"
#include "data/SampleLocation.h"
#include "support/TempDatabase.h"

using namespace dorv;
using dorv::test::TempDatabase;

TEST(TimeZoneInput, WholeHoursInNorthAmericaAndFiveMoreElsewhere) {
  struct Row { const char* place; int minutes; bool northAmerica; int input; };
  const Row rows[] = {{"New York", -300, true, -5},  {"St. John's", -210, true, -3},
                      {"Tokyo", 540, false, 14},     {"Kolkata", 330, false, 11},
                      {"Kathmandu", 345, false, 11}, {"Marquesas", -570, false, -4}};
  for (const Row& row : rows)
    EXPECT_EQ(sampledb::TimeZoneInput(row.minutes, row.northAmerica), row.input) << row.place;
}

namespace {

const char* kLocationHeader =
    "city\tstate_code\tstate\tcountry_short\tpostal_code\tcity_code\tcountry\tlocation_mark\t"
    "latitude\tlongitude\ttz_name\tstd_offset_minutes\tarea_code\tcountry_code\trate_key\torigin\n";

// A tables directory: the curated tables of the source tree and small location and state
// tables of the test's own.
class GeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"bandtitles", "bandsets", "services", "rates", "telcos",
                             "tier_countries", "tier_zones", "tier_rates"})
      std::filesystem::copy_file(std::string(DORV_SAMPLEDB_TABLES) + "/" + name + ".tsv",
                                 Table(name));
    Write("locations_us", std::string(kLocationHeader) +
                              "Denver\tCO\tColorado\tUS\t80202\t\tUnited States\tA\t39.7392\t"
                              "-104.9903\tAmerica/Denver\t-420\t303\t1\tUS\tcurated\n");
    Write("locations_ca", kLocationHeader);
    Write("locations_mx", kLocationHeader);
    Write("locations_intl", std::string(kLocationHeader) +
                                "Oslo\t\t\tNO\t\t\tNorway\t-\t\t\tEurope/Oslo\t60\t0\t47\tNO\tcurated\n"
                                "Bergen\t\t\tNO\t\t55\tNorway\t-\t60.3913\t5.3221\tEurope/Oslo\t60\t0\t"
                                "47\tNO\tcurated\n");
    Write("states_na", "code\tname\tgroup\torigin\nCO\tColorado\t011\tcurated\n");
    Write("states_other", "code\tname\tgroup\torigin\n");
  }
  std::string Table(const std::string& name) const { return db.Path(name + ".tsv"); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Table(name), std::ios::binary | std::ios::trunc) << text;
  }
  void Append(const std::string& name, const std::string& text) const {
    std::ofstream(Table(name), std::ios::binary | std::ios::app) << text;
  }
  std::string Error() const {
    try {
      sampledb::BuildSampleDatabase(db.Path(""));
    } catch (const sampledb::TableError& error) {
      return error.what();
    }
    return "";
  }
  TempDatabase db;
};

}  // namespace

TEST_F(GeneratorTest, BuildsEveryFileAndDerivesTheInternationalRows) {
  sampledb::FileImages images = sampledb::BuildSampleDatabase(db.Path(""));
  EXPECT_EQ(std::tuple(images.size(), images.count("dorv2")), std::tuple(19u, 0u));
  EXPECT_EQ(std::tuple(images["dorv3"].size(), images["dorv6"].size(), images["dorv4"].size()),
            std::tuple(sizeof(data::SampleLocation), 2 * sizeof(data::SampleLocation), 0u));
  // Both keys in use, US and NO, get a row in every international service, NO only once.
  std::string message;
  ASSERT_TRUE(sampledb::WriteImages(images, db.Path(""), message)) << message;
  data::RateFile file;
  ASSERT_TRUE(file.OpenRateFile("dorv13"));
  ASSERT_GT(file.ServiceCount(), 0);
  for (long s = 0; s < file.ServiceCount(); ++s) {
    data::Service service;
    ASSERT_TRUE(file.ReadService(s, service));
    std::vector<std::string> keys;
    data::RateRow row;
    while (file.ReadNextRow(row)) {
      keys.push_back(data::ReadField(row.rateKey));
      EXPECT_EQ(data::ReadField(row.bandKey), data::ReadField(service.bandKey));
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"US", "NO"}));
  }
  EXPECT_EQ(sampledb::BuildSampleDatabase(db.Path("")), images);
}

TEST_F(GeneratorTest, ADestinationWithoutAPriceTierIsNamed) {
  Append("locations_intl", "Nowhere\t\t\tZZ\t\t\tNowhere\t-\t\t\tEtc/UTC\t0\t0\t999\tZZ\tcurated\n");
  EXPECT_EQ(Error(), Table("locations_intl") +
                         ":4: rate key 'ZZ' with time zone 'Etc/UTC' has no price tier: name it in " +
                         Table("tier_countries") + " or its zone in " + Table("tier_zones"));
}

TEST_F(GeneratorTest, AServiceNamingAnUnknownBandSetIsRefused) {
  Append("services", "dorv11\tX-1\tNobody\tPLAN\t\tZZZ\t1998-01-01\t60\t60\n");
  EXPECT_NE(Error().find("services.tsv:"), std::string::npos);
  EXPECT_NE(Error().find("column 6 (band_key): 'ZZZ' is not a key of bandsets.tsv"),
            std::string::npos);
}

TEST(MissingTables, NamesEveryAbsentTable) {
  TempDatabase db;
  auto missing = sampledb::MissingTables(db.Path(""));
  EXPECT_EQ(missing.size(), 14u);
  EXPECT_NE(std::find(missing.begin(), missing.end(), db.Path("locations_us.tsv")), missing.end());
}
