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
