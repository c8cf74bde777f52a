#pragma once
#include <ctime>
#include <string>

#include "FixedText.h"

namespace dorv::data {

// The parts of a number and location shared by book entries and call records.
struct NumberParts {
  std::string country, countryCode, dialPrefix, areaCode, prefix, suffix, extension;
};
struct LocationParts {
  std::string city, state, postalCode, country;
};

// Both book entries and call records carry these fields under the same names.
template <class Record>
NumberParts NumberPartsOf(const Record& r) {
  return {ReadField(r.country), ReadField(r.countryCode), ReadField(r.dialPrefix),
          ReadField(r.areaCode), ReadField(r.prefix),     ReadField(r.suffix),
          ReadField(r.extension)};
}
template <class Record>
LocationParts LocationPartsOf(const Record& r) {
  return {ReadField(r.city), ReadField(r.state), ReadField(r.postalCode), ReadField(r.country)};
}

// Letters become the digit of their telephone key; everything else is kept.
std::string AlphaToDigits(const std::string& text);

std::string DialText(const NumberParts& number, const std::string& myCountry,
                     const std::string& myIntlAccessCode, bool withLetters);
std::string LocationText(const LocationParts& location);

// Local time at a far end: universal time plus the entry's offset (less five hours outside
// North America), formatted like DateTimeText.
std::string LocalTimeText(std::time_t now, int timeZone, const std::string& country,
                          bool twelveHour);

bool EqualsNoCase(const std::string& a, const std::string& b);

// Whether a number in farCountry is dialled abroad from myCountry: the countries differ
// (letter case ignored), the United States and Canada counting as one.
bool DialledAbroad(const std::string& farCountry, const std::string& myCountry);

}  // namespace dorv::data
