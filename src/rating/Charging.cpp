#include "Charging.h"

namespace dorv::rating {

void StartCharge(RatingState& state) {
  state.charge = state.current.initial;
  state.elapsed = 0;
  state.intervalCounter = 0;
  state.firstIntervalPassed = false;
  state.changed = true;
}

void ChargeTick(RatingState& state, Intervals intervals) {
  ++state.elapsed;
  ++state.intervalCounter;
  if (state.selectedBand == kNoBand) return;
  if (!state.firstIntervalPassed) {
    if (state.intervalCounter < intervals.initial) return;
    state.firstIntervalPassed = true;
  } else if (intervals.additional == 0 || state.intervalCounter < intervals.additional) {
    return;
  }
  state.intervalCounter = 0;
  // Without additional intervals nothing more falls due after the first one.
  if (intervals.additional == 0) return;
  state.charge += state.current.additional;
  state.changed = true;
}

double RateLength(const data::BandRates& rates, Intervals intervals, std::uint32_t seconds) {
  if (seconds == 0) return 0.0;
  std::uint32_t additionalCount = 0;
  if (seconds > intervals.initial && intervals.additional != 0) {
    std::uint32_t beyond = seconds - intervals.initial;
    additionalCount = beyond / intervals.additional + (beyond % intervals.additional != 0);
  }
  return rates.initial + additionalCount * rates.additional;
}

}  // namespace dorv::rating
