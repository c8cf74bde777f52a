#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace dorv::rating {

// The hours of three bands as the band editor holds them: per band weekday, Saturday and
// Sunday start and end, each a whole hour 0 to 24.
using BandHourGrid = std::array<std::array<int, 6>, 3>;

// Whether a band's pair of hours of one day type covers hour h (1 to 24): never for 0-0, always
// for 24-24, otherwise from start up to but not including end, past midnight when start >= end.
bool BandCoversHour(int start, int end, int hour);

// Empty when no hour of any day type belongs to two bands; otherwise the message that says so,
// with one line per failing day type in the order weekday, Saturday, Sunday.
std::string RateTimesFault(const BandHourGrid& hours);

// The hour a stored band time (hour x 100) gives the editor; 0 for an hour of 25 or more.
int EditorHourOf(std::uint16_t stored);
// An hour as its spin edit shows it: "8 AM", "Noon", "5 PM", "Mid", and nothing for 0.
std::string SpinHourText(int hour);
// The hour a spin edit's text stands for, or -1 when it is not one of the texts above.
int SpinHourOfText(const std::string& text);
// The hour after a spin step: the old one when the step would leave 0 to 24.
int SteppedHour(int hour, int step);

}  // namespace dorv::rating
