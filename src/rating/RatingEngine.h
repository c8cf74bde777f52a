#pragma once
#include <cstdint>
#include <ctime>
#include <span>

#include "LookAhead.h"
#include "RateView.h"
#include "RatingState.h"
#include "SampleCosts.h"
#include "Surcharges.h"

namespace dorv::rating {

// Rates one call from the rate data of an entry or of a logged call. Pure and deterministic:
// every time it looks at comes in as an argument, and it shows and stores nothing itself.
class RatingEngine {
 public:
  explicit RatingEngine(RateView rates) : m_rates(rates) {}

  // The band in force at the call's start time (0..2 or kNoBand); it becomes the selected band
  // and its rates the current ones. With no band both current rates are 0.
  int FindBandInForce(std::time_t start);

  // Makes the band's rates current (0..2); any other index selects none and zeroes the rates.
  void SelectBand(int band);

  void StartCharge();
  void ChargeTick();

  // The rate charge of a call of the given length with the current rates.
  double RateLength(std::uint32_t seconds) const;

  // A charge from elsewhere (a rated length, a logged call's cost) becomes the running charge.
  void SetCharge(double cents);

  SampleCosts ComputeSampleCosts(std::span<const std::int32_t, 3> sampleMinutes) const;
  RateCaptions Captions() const;
  Advice LookAhead(std::time_t start, std::int32_t reminderMinutes) const;

  // True once after each change of the running charge.
  bool TakeChanged();

  const RatingState& State() const { return m_state; }

 private:
  RateView m_rates;
  RatingState m_state;
};

}  // namespace dorv::rating
