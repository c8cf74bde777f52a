#pragma once
#include <cstdint>
#include <ctime>

#include "RateView.h"

namespace dorv::rating {

// Sunday, Saturday, or a weekday (Monday to Friday) of a local time.
DayType DayTypeOf(const std::tm& local);

// hour x 100 + minute of a local time; seconds are ignored.
std::int16_t ClockValue(const std::tm& local);

// Whether a band's pair of hours covers a clock value. 0/0 never does; a start below the end
// covers start up to but not including the end; any other pair runs over midnight (2400/2400
// is the whole day). A pair with an hour outside 0..2400 or not a whole hour never matches.
bool HoursCover(BandHours hours, std::int16_t clock);

// The first of bands 1, 2, 3 whose hours of the day type cover the clock value, or kNoBand.
int BandAt(const RateView& rates, DayType day, std::int16_t clock);

// The band in force at a local calendar time, or kNoBand.
int BandAtLocal(const RateView& rates, const std::tm& local);

// The band in force at a moment, judged by its local time, or kNoBand.
int BandInForceAt(const RateView& rates, std::time_t when);

}  // namespace dorv::rating
