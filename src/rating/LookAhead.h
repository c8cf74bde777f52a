#pragma once
#include <cstdint>
#include <ctime>
#include <string>

#include "RateView.h"
#include "data/PdbRecord.h"

namespace dorv::rating {

enum class AdviceKind { None, Lower, Higher };

// Whether waiting would make the call cheaper or dearer, and how many minutes to wait.
struct Advice {
  AdviceKind kind = AdviceKind::None;
  int minutes = 0;
};

// Looks reminderMinutes ahead of the call's start (seconds dropped, carried through the local
// calendar). When another band is in force then, and both its rates are strictly lower (or
// both strictly higher) than the current rates, advises waiting until that band begins.
// No advice while no band is in force at the start, or for a reminder time below 1 minute.
Advice LookAhead(const RateView& rates, std::time_t start, std::int32_t reminderMinutes,
                 const data::BandRates& current);

// The question (LOWER) or the notice (HIGHER) that tells the user the advice; empty for none.
std::string AdviceText(const Advice& advice);

}  // namespace dorv::rating
