#pragma once
#include <ctime>
#include <string>

namespace dorv::data {

struct MoneyParts {
  std::string dollars, cents, hundredths;
};

// Amounts count cents. A negative amount splits its magnitude; MoneyText shows it with "-".
MoneyParts SplitMoney(double cents);
// "$d.cchh" when plain, "***$d.cchh" when the amount came from sample rates.
std::string MoneyText(double cents, bool plain);
std::string LengthText(long seconds);
std::string DateTimeText(std::time_t when, bool twelveHour);
std::string DateText(std::time_t when);
// English month name of 1..12, "???" otherwise.
std::string MonthName(int month);

}  // namespace dorv::data
