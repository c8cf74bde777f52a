#include "PdbText.h"

#include <cctype>
#include <cstdint>

#include "FixedText.h"

#include "EnglishLocale.h"
#include "FarEndOffset.h"

namespace dorv::data {

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool DialledAbroad(const std::string& farCountry, const std::string& myCountry) {
  auto northAmerican = [](const std::string& country) {
    return EqualsNoCase(country, "United States") || EqualsNoCase(country, "Canada");
  };
  if (northAmerican(farCountry) && northAmerican(myCountry)) return false;
  return !EqualsNoCase(farCountry, myCountry);
}

std::string AlphaToDigits(const std::string& text) {
  static constexpr char kKeys[] = "22233344455566677778889999";
  std::string out = text;
  for (char& c : out) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 128 && std::isalpha(u)) c = kKeys[std::toupper(u) - 'A'];
  }
  return out;
}

namespace {
bool HasLetter(const std::string& s) {
  for (unsigned char c : s)
    if (c < 128 && std::isalpha(c)) return true;
  return false;
}
void AppendPart(std::string& out, const std::string& part, const char* behind,
                const char* before = "") {
  if (part.empty()) return;
  out += before;
  out += part;
  out += behind;
}
}  // namespace

std::string DialText(const NumberParts& n, const std::string& myCountry,
                     const std::string& myIntlAccessCode, bool withLetters) {
  std::string out;
  if (!EqualsNoCase(n.country, myCountry)) {
    AppendPart(out, myIntlAccessCode, "-");
    AppendPart(out, n.countryCode, "-");
  }
  AppendPart(out, n.dialPrefix, "-");
  AppendPart(out, n.areaCode, ".");
  AppendPart(out, n.prefix, ".");
  AppendPart(out, n.suffix, "");
  AppendPart(out, n.extension, "", " x");
  if (withLetters && (HasLetter(n.prefix) || HasLetter(n.suffix)))
    out += "  (" + AlphaToDigits(n.prefix) + "-" + AlphaToDigits(n.suffix) + ")";
  return out;
}

std::string LocationText(const LocationParts& l) {
  std::string out;
  bool commaDue = false, blankDue = false;
  if (!l.city.empty()) {
    out += l.city;
    commaDue = true;
  }
  if (!l.state.empty()) {
    if (commaDue) out += ", ";
    commaDue = false;
    out += l.state;
    blankDue = true;
  }
  if (!l.postalCode.empty()) {
    if (commaDue) out += ", ";
    commaDue = false;
    if (blankDue) out += " ";
    const std::string& p = l.postalCode;
    bool us = EqualsNoCase(l.country, "UNITED STATES");
    if (us && p.size() == 9)
      out += p.substr(0, 5) + "-" + p.substr(5);
    else if (us && p.size() == 10)
      out += p.substr(0, 5) + "-" + p.substr(6);
    else
      out += p;
    blankDue = true;
  }
  if (!l.country.empty()) {
    if (commaDue) out += ", ";
    if (blankDue) out += " ";
    out += l.country;
  }
  return out;
}

std::string LocalTimeText(std::time_t now, int timeZone, const std::string& country,
                          bool twelveHour) {
  const std::int64_t offsetHours = FarEndOffsetHours(timeZone, country);
  const std::time_t shifted = now + static_cast<std::time_t>(offsetHours * 3600);
  std::tm parts{};
  if (gmtime_r(&shifted, &parts) == nullptr) return {};
  char buffer[128];
  strftime_l(buffer, sizeof buffer, twelveHour ? "%a %b %d, %Y  %I:%M %p" : "%a %b %d, %Y  %H:%M",
                &parts, EnglishLocale());
  return buffer;
}

}  // namespace dorv::data
