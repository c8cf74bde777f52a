#pragma once
#include <ctime>
#include <string>

namespace dorv::data {

struct MoneyParts {
  std::string dollars, cents, hundredths;
};

// Amounts count cents. A negative amount splits its magnitude; MoneyText shows it with "-".
MoneyParts SplitMoney(double cents);
// The amount in cents that three typed parts describe: dollars x 100 + cents + hundredths x
// 0.01, where a cents part below 1 is a fraction of a dollar (".5" counts 50 cents). Each part
// is read as a decimal number from its start; an empty or unreadable part counts 0.
double JoinMoney(const MoneyParts& parts);
// "$d.cchh" when plain, "***$d.cchh" when the amount came from sample rates.
std::string MoneyText(double cents, bool plain);
std::string LengthText(long seconds);
std::string DateTimeText(std::time_t when, bool twelveHour);
std::string DateText(std::time_t when);
// English month name of 1..12, "???" otherwise.
std::string MonthName(int month);

}  // namespace dorv::data
