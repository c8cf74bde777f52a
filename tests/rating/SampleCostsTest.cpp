#include "rating/SampleCosts.h"

#include <gtest/gtest.h>

#include "support/RatingSupport.h"
#include "res/Strings.h"

namespace dorv::rating {
namespace {

using test::Filled;

TEST(SampleCosts, WholeAdditionalIntervalsAfterTheFirstAndLabelsCountUnits) {
  const data::BandRates rates{50.0, 20.0};
  struct Row { const char* name; Intervals intervals; double costs[3]; } rows[] = {
      {"first interval longer than a minute", {180, 60}, {50.0, 50.0, 50.0 + 7 * 20.0}},
      {"remainder dropped", {60, 45}, {50.0, 50.0 + 2 * 20.0, 50.0 + 12 * 20.0}},
      {"no additional interval", {60, 0}, {50.0, 50.0, 50.0}},
  };
  const std::int32_t minutes[3] = {1, 3, 10};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SampleCosts samples = ComputeSampleCosts(rates, row.intervals, minutes);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(samples[i].cost, row.costs[i]) << "sample " << i;
  }
  const SampleCosts samples = ComputeSampleCosts(rates, {60, 60}, minutes);
  EXPECT_EQ(samples[0].label, Filled(res::kSampleMinute, "1"));
  EXPECT_EQ(samples[1].label, Filled(res::kSampleMinutes, "3"));

  const RateCaptions captions = RateCaptionsFor({1, 30});
  EXPECT_EQ(captions.first, Filled(res::kRateFirstCaption, "1"));
  EXPECT_EQ(captions.additional, Filled(res::kRateAdditionalCaption, "30") + res::kPluralSeconds);
}

}  // namespace
}  // namespace dorv::rating
