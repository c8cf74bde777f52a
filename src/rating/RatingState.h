#pragma once
#include <cstdint>

#include "RateView.h"
#include "data/PdbRecord.h"

namespace dorv::rating {

// The rating state of one call.
struct RatingState {
  int bandInForce = kNoBand;   // found for the call's start time
  int selectedBand = kNoBand;  // the band whose row supplies the rates, kNoBand when none
  data::BandRates current{0.0, 0.0};
  double charge = 0.0;  // running rate charge, cents
  std::uint32_t elapsed = 0;
  std::uint32_t intervalCounter = 0;
  bool firstIntervalPassed = false;
  bool changed = false;  // the charge changed since it was last shown
};

}  // namespace dorv::rating
