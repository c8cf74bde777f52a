#include "MoneyText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "res/Strings.h"

#include "EnglishLocale.h"

namespace dorv::data {

MoneyParts SplitMoney(double cents) {
  if (cents == 0.0) return {"0", "00", "00"};
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.2f", std::fabs(cents));
  std::string s = buffer;
  std::size_t n = s.size();
  MoneyParts parts;
  parts.hundredths = s.substr(n - 2);
  // Built from its two characters: GCC 12 at -O3 reports a false overlap for "0" + substr.
  parts.cents = n < 5 ? std::string{'0', s[0]} : s.substr(n - 5, 2);
  parts.dollars = n < 6 ? "0" : s.substr(0, n - 5);
  return parts;
}

namespace {
// The decimal number a text starts with, read in the C locale whatever the desktop's.
double LeadingDecimal(const std::string& text) {
  return strtod_l(text.c_str(), nullptr, EnglishLocale());
}
}  // namespace

double JoinMoney(const MoneyParts& parts) {
  double cents = LeadingDecimal(parts.cents);
  if (cents < 1) cents *= 100;
  return LeadingDecimal(parts.dollars) * 100 + cents + LeadingDecimal(parts.hundredths) * 0.01;
}

std::string MoneyText(double cents, bool plain) {
  MoneyParts p = SplitMoney(cents);
  // "%.2f" of a tiny negative amount rounds to zero; only a visible amount gets the sign.
  bool negative = cents < 0 && !(p.dollars == "0" && p.cents == "00" && p.hundredths == "00");
  std::string text = std::string(plain ? "" : "***") + (negative ? "-" : "") + "$" + p.dollars +
                     "." + p.cents + p.hundredths;
  return text;
}

std::string LengthText(long seconds) {
  if (seconds < 0) seconds = 0;
  long hours = seconds > 3599 ? seconds / 3600 : 0;
  long rest = seconds - hours * 3600;
  long minutes = rest > 59 ? rest / 60 : 0;
  long secs = rest - minutes * 60;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s%ld:%s%ld:%s%ld", hours >= 10 ? "" : "0", hours,
                minutes >= 10 ? "" : "0", minutes, secs >= 10 ? "" : "0", secs);
  return buffer;
}

namespace {
std::string FormatLocal(std::time_t when, const char* pattern) {
  std::tm parts{};
  if (localtime_r(&when, &parts) == nullptr) return {};
  char buffer[128];
  strftime_l(buffer, sizeof buffer, pattern, &parts, EnglishLocale());
  return buffer;
}
}  // namespace

std::string DateTimeText(std::time_t when, bool twelveHour) {
  return FormatLocal(when, twelveHour ? "%a %b %d, %Y  %I:%M %p" : "%a %b %d, %Y  %H:%M");
}

std::string DateText(std::time_t when) { return FormatLocal(when, "%a %b %d, %Y"); }

std::string MonthName(int month) {
  if (month < 1 || month > 12) return res::kUnknownMonth;
  return res::kMonthNames[month - 1];
}

}  // namespace dorv::data
