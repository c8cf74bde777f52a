#pragma once
#include <ctime>
#include <string>

#include "PdbRecord.h"

namespace dorv::data {

// The parts of a number and location shared by book entries and call records.
struct NumberParts {
  std::string country, countryCode, dialPrefix, areaCode, prefix, suffix, extension;
};
struct LocationParts {
  std::string city, state, postalCode, country;
};

NumberParts NumberPartsOf(const PdbRecord& record);
LocationParts LocationPartsOf(const PdbRecord& record);

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

}  // namespace dorv::data
