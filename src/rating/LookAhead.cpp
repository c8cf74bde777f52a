#include "LookAhead.h"

#include <limits>

#include "BandInForce.h"
#include "FormatInt.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
// The local time reminderMinutes after now with seconds 0, normalised by the calendar (so
// month ends and daylight-saving changes are the C library's).
bool FutureLocalTime(const std::tm& now, std::int32_t reminderMinutes, std::tm& future) {
  if (reminderMinutes > std::numeric_limits<int>::max() - now.tm_min) return false;
  std::tm parts = now;
  parts.tm_min += reminderMinutes;
  parts.tm_sec = 0;
  parts.tm_isdst = -1;
  const std::time_t when = std::mktime(&parts);
  if (when == static_cast<std::time_t>(-1)) return false;
  return localtime_r(&when, &future) != nullptr;
}

// Minutes from now until the given hour begins, on the next day when it is not later today.
int MinutesUntilHour(int startHour, const std::tm& now) {
  if (startHour <= now.tm_hour) startHour += 24;
  return (startHour - now.tm_hour - 1) * 60 + (60 - now.tm_min);
}
}  // namespace

Advice LookAhead(const RateView& rates, std::time_t start, std::int32_t reminderMinutes,
                 const data::BandRates& current) {
  if (reminderMinutes < 1) return {};
  std::tm now{};
  if (localtime_r(&start, &now) == nullptr) return {};
  const int bandNow = BandAtLocal(rates, now);
  if (bandNow == kNoBand) return {};

  std::tm future{};
  if (!FutureLocalTime(now, reminderMinutes, future)) return {};
  const int bandThen = BandAtLocal(rates, future);
  if (bandThen == kNoBand || bandThen == bandNow) return {};

  const data::BandRates& then = rates.Rates(bandThen);
  AdviceKind kind = AdviceKind::None;
  if (then.initial < current.initial && then.additional < current.additional)
    kind = AdviceKind::Lower;
  else if (then.initial > current.initial && then.additional > current.additional)
    kind = AdviceKind::Higher;
  if (kind == AdviceKind::None) return {};

  const int startHour = rates.Hours(bandThen, DayTypeOf(future)).start / 100;
  return {kind, MinutesUntilHour(startHour, now)};
}

std::string AdviceText(const Advice& advice) {
  switch (advice.kind) {
    case AdviceKind::Lower:
      return FormatInt(res::kAskWaitForLowerRate, advice.minutes);
    case AdviceKind::Higher:
      return FormatInt(res::kNoticeHigherRateAfterWait, advice.minutes);
    case AdviceKind::None:
      break;
  }
  return {};
}

}  // namespace dorv::rating
