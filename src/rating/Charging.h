#pragma once
#include <cstdint>

#include "RateView.h"
#include "RatingState.h"
#include "data/PdbRecord.h"

namespace dorv::rating {

// Timing starts: the whole first interval is charged at once.
void StartCharge(RatingState& state);

// One second of a timed call. Each interval is charged in full on the tick that completes the
// one before it; nothing is charged while no band is selected. An additional interval of 0
// seconds means there are no additional intervals.
void ChargeTick(RatingState& state, Intervals intervals);

// The rate charge of a call of the given length: the first-interval rate, plus one additional
// rate for each additional interval begun after the first interval.
double RateLength(const data::BandRates& rates, Intervals intervals, std::uint32_t seconds);

}  // namespace dorv::rating
