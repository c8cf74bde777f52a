#include "BandInForce.h"

namespace dorv::rating {

namespace {
bool IsWholeHour(std::uint16_t value) { return value <= 2400 && value % 100 == 0; }
}  // namespace

DayType DayTypeOf(const std::tm& local) {
  if (local.tm_wday == 0) return DayType::Sunday;
  if (local.tm_wday == 6) return DayType::Saturday;
  return DayType::Weekday;
}

std::int16_t ClockValue(const std::tm& local) {
  return static_cast<std::int16_t>(local.tm_hour * 100 + local.tm_min);
}

bool HoursCover(BandHours hours, std::int16_t clock) {
  if (!IsWholeHour(hours.start) || !IsWholeHour(hours.end)) return false;
  if (hours.start == 0 && hours.end == 0) return false;
  if (hours.start < hours.end) return hours.start <= clock && clock < hours.end;
  return (hours.start <= clock && clock <= 2400) || clock < hours.end;
}

int BandAt(const RateView& rates, DayType day, std::int16_t clock) {
  for (int band = 0; band < 3; ++band)
    if (HoursCover(rates.Hours(band, day), clock)) return band;
  return kNoBand;
}

int BandAtLocal(const RateView& rates, const std::tm& local) {
  return BandAt(rates, DayTypeOf(local), ClockValue(local));
}

int BandInForceAt(const RateView& rates, std::time_t when) {
  std::tm local{};
  if (localtime_r(&when, &local) == nullptr) return kNoBand;
  return BandAtLocal(rates, local);
}

}  // namespace dorv::rating
