#pragma once

namespace dorv::data {

// Gregorian: every fourth year, except centuries not divisible by 400 (2000 leaps, 2100 not).
bool IsLeapYear(int year);
// Days of a month 1-12 in a year; 31 for a month outside 1-12.
int DaysInMonth(int month, int year);

}  // namespace dorv::data
