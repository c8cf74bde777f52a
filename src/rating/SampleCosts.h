#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "RateView.h"
#include "data/PdbRecord.h"

namespace dorv::rating {

struct SampleCost {
  std::string label;  // "1 minute", "3 minutes", ...
  double cost;        // cents
};
using SampleCosts = std::array<SampleCost, 3>;

// The captions of the two rate fields, naming the interval lengths.
struct RateCaptions {
  std::string first;
  std::string additional;
};

// "%i minute" for 1, "%i minutes" otherwise.
std::string SampleLabel(std::int32_t minutes);

RateCaptions RateCaptionsFor(Intervals intervals);

// Each sample of m minutes costs the first-interval rate plus one additional rate for each
// whole additional interval that fits after the first interval (none when the additional
// interval is 0).
SampleCosts ComputeSampleCosts(const data::BandRates& rates, Intervals intervals,
                               std::span<const std::int32_t, 3> sampleMinutes);

}  // namespace dorv::rating
