#include "Surcharges.h"

namespace dorv::rating {

namespace {
constexpr std::int32_t kPerCall = 1;
constexpr std::int32_t kPerTime = 2;
}  // namespace

double PerTimeCharge(const data::Surcharge& slot, std::uint32_t seconds) {
  const std::int32_t period = slot.minutes;
  if (period < 1 || period > 60) return 0.0;
  const int stepsPerHour = 60 / period;
  const std::uint32_t stepsCompleted = seconds / (static_cast<std::uint32_t>(period) * 60);
  return slot.cost / stepsPerHour * stepsCompleted;
}

double SumSurcharges(std::uint32_t seconds, double entrySurcharge,
                     std::span<const data::Surcharge, 10> slots) {
  double total = entrySurcharge;
  for (const data::Surcharge& slot : slots) {
    if (slot.kind == kPerCall)
      total += slot.cost;
    else if (slot.kind == kPerTime)
      total += PerTimeCharge(slot, seconds);
  }
  return total;
}

}  // namespace dorv::rating
