#pragma once
#include <cstdint>
#include <span>

#include "data/Charges.h"

namespace dorv::rating {

// The surcharge total in cents of a call of the given length: the entry surcharge, plus each
// per-call slot's cost, plus for each per-time slot (an hourly cost charged in steps of its
// period) one step for each whole period completed. A per-time period of 0 or more than 60
// minutes has no step amount and is charged 0. Other kinds add nothing.
double SumSurcharges(std::uint32_t seconds, double entrySurcharge,
                     std::span<const data::Surcharge, 10> slots);

// What one per-time slot charges a call of the given length: its hourly cost in steps of its
// period, one step for each whole period completed; 0 for a period outside 1 to 60 minutes.
double PerTimeCharge(const data::Surcharge& slot, std::uint32_t seconds);

}  // namespace dorv::rating
