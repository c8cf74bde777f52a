// Checks over the sample database the build generated, read through the program's readers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "Generator.h"
#include "data/BandTitles.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/RateFiles.h"
#include "support/SampleFixture.h"
#include "data/SampleTables.h"
#include "rating/BandInForce.h"

using namespace dorv;
using namespace dorv::data;

namespace {

class SampleDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::CopySampleFiles(db, DORV_SAMPLEDB_DIR));
    ASSERT_TRUE(tables.Open());
    ASSERT_TRUE(hours.Open());
  }

  std::vector<SampleLocation> Locations(int region) {
    std::vector<SampleLocation> all;
    LocationTable& table = *tables.Region(region);
    for (long i = 0; i < table.Count(); ++i) {
      SampleLocation location;
      EXPECT_TRUE(table.ReadLocation(i, location));
      all.push_back(location);
    }
    return all;
  }

  test::TempDatabase db;
  SampleTables tables;
  HourDefinitionFile hours;
};

}  // namespace

TEST_F(SampleDatabaseTest, TheBuiltFilesAreWhatTheTablesGiveNow) {
  sampledb::FileImages images = sampledb::BuildSampleDatabase(DORV_SAMPLEDB_TABLES);
  ASSERT_EQ(images.size(), test::SampleFileNames().size());
  for (const std::string& name : test::SampleFileNames()) {
    SCOPED_TRACE(name);
    EXPECT_EQ(db.ReadFile(name), images[name]);  // SetUp copied the built files
  }
}

// Every band set's titles are offered in the title file, and covers each hour once.
TEST_F(SampleDatabaseTest, EveryBandSetCoversEachHourOfEachDayTypeOnce) {
  BandTitleFile titles;
  ASSERT_TRUE(titles.Open());
  std::set<std::string> offered;
  for (std::string title; titles.ReadNextTitle(title);) offered.insert(title);
  EXPECT_EQ(static_cast<long>(offered.size()), titles.Count());
  // The band sets in file order; HourDefinitionFile only finds by key.
  const std::string image = db.ReadFile(kHourDefinitionFileName);
  std::vector<HourDefinition> sets(image.size() / sizeof(HourDefinition));
  std::memcpy(sets.data(), image.data(), sets.size() * sizeof(HourDefinition));
  ASSERT_GE(sets.size(), 3u);
  for (std::size_t i = 0; i < sets.size(); ++i) {
    DecodeHourDefinition(sets[i]);
    std::string key = ReadField(sets[i].key);
    HourDefinition set;
    ASSERT_TRUE(hours.FindByKey(key, set));
    EXPECT_EQ(hours.FoundIndex(), static_cast<long>(i)) << "key " << key << " is not unique";
    for (const auto& bandTitle : set.bandTitle)
      EXPECT_TRUE(ReadField(bandTitle).empty() || offered.count(ReadField(bandTitle)) == 1);
    for (int day = 0; day < 3; ++day) {
      for (int hour = 0; hour < 24; ++hour) {
        int bands = 0;
        for (int band = 0; band < 3; ++band)
          bands += rating::HoursCover(
              {set.bandHours[band * 6 + day * 2], set.bandHours[band * 6 + day * 2 + 1]},
              static_cast<std::int16_t>(hour * 100));
        EXPECT_EQ(bands, 1) << "set " << key << " day type " << day << " hour " << hour;
      }
    }
  }
}

// Every service prices exactly the bands its band set uses; a domestic one has about ten rising
// mileage bounds reaching any distance (9999 when unknown), the international ones a row for
// the rate key of every place.
TEST_F(SampleDatabaseTest, EveryServicePricesItsBandsForEveryDistanceOrDestination) {
  std::set<std::string> keys;
  for (int region = 1; region <= 4; ++region)
    for (const SampleLocation& location : Locations(region)) keys.insert(RateKeyOf(location));
  const std::pair<const char*, int> files[] = {
      {"dorv11", 10000}, {"dorv12", 10000}, {"dorv13", 0}, {"dorv14", 50}, {"dorv15", 50}};
  for (const auto& [file, lastBound] : files) {
    RateFile rates;
    ASSERT_TRUE(rates.OpenRateFile(file));
    ASSERT_GE(rates.ServiceCount(), 3) << file;
    bool directDial = false;
    for (long s = 0; s < rates.ServiceCount(); ++s) {
      Service service;
      ASSERT_TRUE(rates.ReadService(s, service));
      std::vector<RateRow> rows(rates.RowCount());
      for (RateRow& row : rows) ASSERT_TRUE(rates.ReadNextRow(row));
      std::string name = ReadField(service.callType);
      SCOPED_TRACE(std::string(file) + " " + name);
      directDial = directDial || name == "DIRECT DIAL";
      std::set<std::string> rowKeys;
      for (const RateRow& row : rows) {
        rowKeys.insert(ReadField(row.rateKey));
        HourDefinition set;
        ASSERT_TRUE(hours.FindByKey(ReadField(row.bandKey), set)) << ReadField(row.bandKey);
        // A band with hours has a price; a band that is never in force has none.
        for (int band = 0; band < 3; ++band) {
          bool used = false;
          for (int k = 0; k < 6; ++k) used = used || set.bandHours[band * 6 + k] != 0;
          EXPECT_EQ(row.rates[band * 2] > 0, used) << "band " << band + 1;
          EXPECT_EQ(row.rates[band * 2 + 1] > 0, used) << "band " << band + 1;
        }
      }
      if (lastBound == 0) {
        for (const std::string& key : keys) EXPECT_EQ(rowKeys.count(key), 1u) << key;
        continue;
      }
      EXPECT_GE(rows.size(), 8u);
      for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_LT(rows[i - 1].distanceBound, rows[i].distanceBound);
      EXPECT_GE(rows.back().distanceBound, lastBound);
    }
    EXPECT_TRUE(directDial) << file;
  }
}

// Each place's state is found by the program's own lookup, and its stored time zone keeps
// within a few hours of the sun's time at its longitude.
TEST_F(SampleDatabaseTest, EveryPlaceFindsItsStateAndHasATimeZoneFittingItsLongitude) {
  for (int region = 1; region <= 4; ++region) {
    StateTable& states = region == 4 ? tables.otherStates : tables.northAmericanStates;
    for (const SampleLocation& location : Locations(region)) {
      SCOPED_TRACE(ReadField(location.city) + ", " + ReadField(location.country));
      std::string code = ReadField(location.stateCode), name;
      std::string group =
          region == 4 ? ReadField(location.countryShort) : region == 3 ? "98" : "011";
      if (region != 4 || !code.empty()) {
        EXPECT_TRUE(states.FindStateByCode(code, name, group)) << code << " in group " << group;
        EXPECT_EQ(name, ReadField(location.state));
      }
      if (location.longitude == -1.0) continue;
      // North America stores the UTC offset in hours, everywhere else the offset + 5. Civil
      // time keeps within a few hours of the sun's (longitude / 15), around the date line too.
      int offset = region == 4 ? location.timeZone - 5 : location.timeZone;
      double gap = std::remainder(offset - location.longitude / 15.0, 24.0);
      EXPECT_LE(std::fabs(gap), 3.5) << "time zone input " << location.timeZone;
    }
  }
}

// The telephone companies a user picks from have distinct names and a dialable access code.
TEST_F(SampleDatabaseTest, TelephoneCompaniesAreDistinctAndDialable) {
  ASSERT_GE(tables.telcos.Count(), 20);
  std::set<std::string> names;
  for (long i = 0; i < tables.telcos.Count(); ++i) {
    TelcoEntry entry;
    ASSERT_TRUE(tables.telcos.ReadTelco(i, entry));
    EXPECT_TRUE(names.insert(ReadField(entry.name)).second) << ReadField(entry.name);
    EXPECT_GT(entry.accessCode, 0) << ReadField(entry.name);
  }
}
