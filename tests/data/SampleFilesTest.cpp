#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>
#include <vector>

#include "data/Distance.h"
#include "data/FixedText.h"
#include "data/RateFiles.h"
#include "support/SampleFixture.h"

using namespace dorv::data;
using namespace dorv::test;

namespace {

Service MakeService(const std::string& callType, const std::string& bandKey) {
  Service service{};
  WriteField(service.company, "Example Telephone");
  WriteField(service.callType, callType);
  WriteField(service.bandKey, bandKey);
  service.effective = 915148800;
  service.initialInterval = 30;
  service.additionalInterval = 6;
  return service;
}

RateRow MakeRow(int bound, int firstRate) {
  RateRow row{};
  WriteField(row.rateKey, "GB");
  row.distanceBound = bound;
  for (int i = 0; i < 6; ++i) row.rates[i] = firstRate + i;
  return row;
}

// The atan form of the same distance: it divides by x, so it holds only where x > 0.
double DividingDistance(double lat1, double lon1, double lat2, double lon2) {
  const double k = 0.017453277777777776;
  double a = lat1 * k, b = lat2 * k, d = std::fabs(lon1 * k - lon2 * k);
  double x = std::cos(d) * std::cos(a) * std::cos(b) + std::sin(a) * std::sin(b);
  return 3961.069 * std::atan(std::sqrt(1 - x * x) / x);
}

}  // namespace

TEST(LocationTable, ReadsDecodedRecordsAndTheRateKey) {
  TempDatabase db;
  SampleLocation london = MakeLocation("London", "LND", "United Kingdom", "GB");
  WriteField(london.cityCode, "20");
  london.latitude = 51.5074;
  london.timeZone = 5;
  db.WriteFile(kInternationalTable,
               EncodedImage({MakeLocation("Paris", "", "France", "FR"), london}, EncodeLocation) +
                   std::string(100, 'x'));
  LocationTable table;
  EXPECT_FALSE(table.Open(kUnitedStatesTable));
  ASSERT_TRUE(table.Open(kInternationalTable));
  EXPECT_EQ(table.Count(), 2);  // the partial tail record does not count
  SampleLocation read;
  ASSERT_TRUE(table.ReadLocation(1, read));
  EXPECT_EQ(std::memcmp(&read, &london, sizeof read), 0);
  EXPECT_EQ(RateKeyOf(read), "GB");
  EXPECT_FALSE(table.ReadLocation(2, read));
  EXPECT_EQ(ReadField(read.city), "");  // cleared before the failed read
  EXPECT_EQ(db.ReadFile(kInternationalTable).find("London"), std::string::npos);
}

TEST(RateFile, ReadsAServiceAndTheRowsBehindItAndRefusesOtherNamesAndAMissingIndex) {
  TempDatabase db;
  RateFileImage image;
  ASSERT_TRUE(AddService(image, MakeService("DIRECT DIAL", "DEN"), {MakeRow(100, 10)}));
  const Service saver = MakeService("SAVER", "PK");
  const std::vector<RateRow> saverRows = {MakeRow(100, 20), MakeRow(500, 30), MakeRow(9999, 40)};
  ASSERT_TRUE(AddService(image, saver, saverRows));
  db.WriteFile("dorv12", image.data);
  db.WriteFile("dorv17", image.index);
  RateFile file;
  ASSERT_TRUE(file.OpenRateFile("dorv12"));
  EXPECT_EQ(file.ServiceCount(), 2);
  Service service;
  RateRow row;
  ASSERT_TRUE(file.ReadService(0, service));
  ASSERT_EQ(file.RowCount(), 1);
  ASSERT_TRUE(file.ReadNextRow(row));
  EXPECT_FALSE(file.ReadNextRow(row));  // the next service is no row of this one
  EXPECT_EQ(row.distanceBound, 0);       // and the failed read leaves a cleared row
  ASSERT_TRUE(file.ReadService(1, service));
  EXPECT_EQ(std::memcmp(&service, &saver, sizeof service), 0);
  EXPECT_EQ(file.RowCount(), 3);
  for (const RateRow& expected : saverRows) {
    ASSERT_TRUE(file.ReadNextRow(row));
    EXPECT_EQ(std::memcmp(&row, &expected, sizeof row), 0);
  }
  EXPECT_FALSE(file.ReadNextRow(row) || file.ReadService(2, service));
  EXPECT_EQ(file.RowCount(), 0);

  for (const char* name : {"dorv10", "dorv16", "DORV11", "dorv1", "dorv3", "dorv11", "dorv15"})
    db.WriteFile(name, "");
  // A refused name leaves nothing open, not even the file open before; dorv15's index is missing.
  for (const char* name :
       {"dorv10", "dorv16", "DORV11", "dorv1", "dorv3", "../DATABASE/dorv11", "dorv15"})
    EXPECT_FALSE(file.OpenRateFile(name) || file.IsOpen()) << name;
  ASSERT_TRUE(file.OpenRateFile("dorv11"));
  EXPECT_EQ(file.ServiceCount(), 0);
}

TEST(StateTable, FindsByCodeWithAndWithoutAGroupAndByName) {
  TempDatabase db;
  db.WriteFile(kNorthAmericanStates,
               EncodedImage({MakeState("ON", "Ontario", "011"), MakeState("CO", "Colorado", "011"),
                             MakeState("CO", "Colima", "98")},
                            EncodeState));
  StateTable table;
  ASSERT_TRUE(table.Open(kNorthAmericanStates));
  EXPECT_EQ(table.Count(), 3);
  std::string name;
  for (auto [group, state] : {std::pair{"", "Colorado"}, {"98", "Colima"}}) {
    ASSERT_TRUE(table.FindStateByCode("CO", name, group));
    EXPECT_EQ(name, state);
  }
  name = "kept";
  EXPECT_FALSE(table.FindStateByCode("CO", name, "52") || table.FindStateByCode("co", name, ""));
  EXPECT_EQ(name, "kept");
  StateRecord state;
  ASSERT_TRUE(table.FindStateByName("Ontario", state));
  EXPECT_EQ(ReadField(state.group), "011");
  EXPECT_FALSE(table.FindStateByName("ontario", state));
}

TEST(TelcoFile, ReadsNameAndAccessCode) {
  TempDatabase db;
  TelcoFile file;
  EXPECT_FALSE(file.Open());
  const TelcoEntry bluebird = MakeTelco("Bluebird Telecom", 10457);
  db.WriteFile(kTelcoFileName,
               EncodedImage({MakeTelco("Northwind Long Lines", 1010619), bluebird}, EncodeTelco));
  ASSERT_TRUE(file.Open());
  EXPECT_EQ(file.Count(), 2);
  TelcoEntry entry;
  ASSERT_TRUE(file.ReadTelco(1, entry));
  EXPECT_EQ(std::memcmp(&entry, &bluebird, sizeof entry), 0);
  EXPECT_FALSE(file.ReadTelco(2, entry));
}

TEST(Distance, EqualsTheDividingFormulaWhereDefinedAndHoldsUpToHalfTheGlobe) {
  struct Row { const char* name; double lat1, lon1, lat2, lon2; };
  const Row rows[] = {{"New York - Chicago", 40.7128, -74.006, 41.8781, -87.6298},
                      {"London - Paris", 51.5074, -0.1278, 48.8566, 2.3522},
                      {"across the date line", 64.8378, -147.7164, 61.2, 150.0}};
  for (const Row& row : rows) {
    double expected = DividingDistance(row.lat1, row.lon1, row.lat2, row.lon2);
    EXPECT_NEAR(Distance(row.lat1, row.lon1, row.lat2, row.lon2), expected, 1e-6 * expected)
        << row.name;
  }
  // Far points stay positive up to half the globe; an unknown coordinate gives 9999.
  EXPECT_NEAR(Distance(40.7128, -74.006, -33.8688, 151.2093), 9950.0, 50.0);  // New York - Sydney
  EXPECT_NEAR(Distance(10.0, 20.0, -10.0, -160.0), 3961.069 * std::numbers::pi, 1.0);
  EXPECT_EQ(Distance(45.5, -73.5, 45.5, -73.5), 0.0);
  for (int unknown = 0; unknown < 4; ++unknown) {
    double p[4] = {10, 20, 30, 40};
    p[unknown] = -1.0;
    EXPECT_EQ(Distance(p[0], p[1], p[2], p[3]), kUnknownDistance) << unknown;
  }
}
