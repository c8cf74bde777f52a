#include "RatingEngine.h"

#include "BandInForce.h"
#include "Charging.h"

namespace dorv::rating {

int RatingEngine::FindBandInForce(std::time_t start) {
  m_state.bandInForce = BandInForceAt(m_rates, start);
  SelectBand(m_state.bandInForce);
  return m_state.bandInForce;
}

void RatingEngine::SelectBand(int band) {
  if (band < 0 || band > 2) {
    m_state.selectedBand = kNoBand;
    m_state.current = {0.0, 0.0};
    return;
  }
  m_state.selectedBand = band;
  m_state.current = m_rates.Rates(band);
}

void RatingEngine::StartCharge() { rating::StartCharge(m_state); }

void RatingEngine::ChargeTick() { rating::ChargeTick(m_state, m_rates.IntervalLengths()); }

double RatingEngine::RateLength(std::uint32_t seconds) const {
  return rating::RateLength(m_state.current, m_rates.IntervalLengths(), seconds);
}

void RatingEngine::SetCharge(double cents) {
  m_state.charge = cents;
  m_state.changed = true;
}

SampleCosts RatingEngine::ComputeSampleCosts(std::span<const std::int32_t, 3> sampleMinutes) const {
  return rating::ComputeSampleCosts(m_state.current, m_rates.IntervalLengths(), sampleMinutes);
}

RateCaptions RatingEngine::Captions() const { return RateCaptionsFor(m_rates.IntervalLengths()); }

Advice RatingEngine::LookAhead(std::time_t start, std::int32_t reminderMinutes) const {
  return rating::LookAhead(m_rates, start, reminderMinutes, m_state.current);
}

bool RatingEngine::TakeChanged() {
  const bool changed = m_state.changed;
  m_state.changed = false;
  return changed;
}

}  // namespace dorv::rating
