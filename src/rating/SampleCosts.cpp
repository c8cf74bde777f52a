#include "SampleCosts.h"

#include "FormatInt.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
std::string SecondsCaption(const char* pattern, std::uint32_t seconds) {
  std::string caption = FormatInt(pattern, static_cast<int>(seconds));
  if (seconds > 1) caption += res::kPluralSeconds;
  return caption;
}

double SampleCostOf(const data::BandRates& rates, Intervals intervals, std::int32_t minutes) {
  std::int64_t additionalCount = 0;
  if (intervals.additional != 0) {
    const std::int64_t beyond = std::int64_t{60} * minutes - intervals.initial;
    if (beyond > 0) additionalCount = beyond / intervals.additional;
  }
  return rates.initial + static_cast<double>(additionalCount) * rates.additional;
}
}  // namespace

std::string SampleLabel(std::int32_t minutes) {
  return FormatInt(minutes == 1 ? res::kSampleMinute : res::kSampleMinutes, minutes);
}

RateCaptions RateCaptionsFor(Intervals intervals) {
  return {SecondsCaption(res::kRateFirstCaption, intervals.initial),
          SecondsCaption(res::kRateAdditionalCaption, intervals.additional)};
}

SampleCosts ComputeSampleCosts(const data::BandRates& rates, Intervals intervals,
                               std::span<const std::int32_t, 3> sampleMinutes) {
  SampleCosts samples;
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = {SampleLabel(sampleMinutes[i]), SampleCostOf(rates, intervals, sampleMinutes[i])};
  return samples;
}

}  // namespace dorv::rating
