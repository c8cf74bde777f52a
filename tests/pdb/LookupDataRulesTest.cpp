#include <gtest/gtest.h>

#include "pdb/LookupDataRules.h"

using namespace dorv::pdb;

TEST(LookupDataRules, NearbyRateFilesServeOnlyBelowFiftyAndOnlyAtHome) {
  const struct {
    LookupService type;
    double distance;
    const char* file;
  } rows[] = {
      {LookupService::Residential, 0.0, "dorv14"},    {LookupService::Residential, 49.99, "dorv14"},
      {LookupService::Residential, 50.0, "dorv11"},   {LookupService::Business, 30.0, "dorv15"},
      {LookupService::Business, 50.0, "dorv12"},      {LookupService::Business, 9999.0, "dorv12"},
      {LookupService::International, 10.0, "dorv13"}, {LookupService::None, 10.0, "dorv13"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.distance);
    EXPECT_EQ(RateFileFor(row.type, row.distance), row.file);
  }
}

TEST(LookupDataRules, OwnCountryOffersResidentialAndBusinessElsewhereOnlyInternational) {
  const std::vector<LookupService> home{LookupService::Residential, LookupService::Business};
  const std::vector<LookupService> abroad{LookupService::International};
  EXPECT_EQ(ServiceTypesFor("United States", "united states"), home);
  EXPECT_EQ(ServiceTypesFor("CANADA", "United States"), abroad);
}

TEST(LookupDataRules, AreaCodeInTheUnitedStatesAndCanadaCityCodeElsewhere) {
  const struct {
    const char* country;
    int areaCode;
    const char* cityCode;
    const char* taken;
  } rows[] = {
      {"United States", 609, "", "609"}, {"united states", 303, "", "303"},
      {"CANADA", 416, "4160", "416"},    {"Mexico", 999, "33", "33"},
      {"Nigeria", 0, "1", "1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.country);
    dorv::data::LocationRow place;
    place.country = row.country;
    place.areaCode = row.areaCode;
    place.cityCode = row.cityCode;
    EXPECT_EQ(AreaOrCityCodeOf(place), row.taken);
  }
}

// The user sits at 40 N 75 W; Trenton lies 30 miles north, Allentown just over 50.
TEST(LookupDataRules, DistanceFromTheUsersPlace) {
  dorv::data::MyInfo me{};
  me.latitude = 40.0;
  me.longitude = -75.0;
  dorv::data::LocationRow place;
  place.longitude = -75.0;
  place.latitude = 40.4339;
  EXPECT_NEAR(DistanceFromUser(me, place), 30.0, 0.01);
  place.latitude = 40.7233;
  EXPECT_GE(DistanceFromUser(me, place), kNearbyDistance);
  EXPECT_LT(DistanceFromUser(me, place), 51.0);
}

TEST(LookupDataRules, TheChoiceCarriesTheWholeLocation) {
  dorv::data::LocationRow place;
  place.city = "Guadalajara";
  place.stateCode = "JAL";
  place.state = "Jalisco";
  place.postalCode = "44100";
  place.country = "Mexico";
  place.cityCode = "33";
  place.countryCode = 52;
  place.rateKey = "MX";
  place.timeZone = -6;
  place.locationMark = 'A';
  const LookupChoice choice = ChoiceOf(place, LookupService::International, 1, 1500.0);
  const LookupLocation& l = choice.location;
  EXPECT_EQ(l.city + "|" + l.stateCode + "|" + l.stateName + "|" + l.postalCode + "|" +
                l.areaCode + "|" + l.country + "|" + l.countryCode + "|" + l.rateKey,
            "Guadalajara|JAL|Jalisco|44100|33|Mexico|52|MX");
  EXPECT_EQ(l.timeZone, -6);
  EXPECT_EQ(l.locationMark, 'A');
  EXPECT_EQ(choice.service, LookupService::International);
  EXPECT_EQ(choice.serviceIndex, 1);
  EXPECT_EQ(choice.distance, 1500.0);
}
