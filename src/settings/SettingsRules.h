#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/LocationSearch.h"
#include "data/MyInfo.h"

namespace dorv::settings {

// Where a text field lies in the settings record.
struct TextPlace {
  std::size_t offset;
  std::size_t size;
};
#define DORV_MYINFO_PLACE(field)                                               \
  ::dorv::settings::TextPlace {                                                \
    offsetof(::dorv::data::MyInfo, field), sizeof(::dorv::data::MyInfo::field) \
  }

std::string ReadPlace(const data::MyInfo& info, TextPlace place);
// Clears the place, then copies at most its size - 1 bytes.
void WritePlace(data::MyInfo& info, TextPlace place, const std::string& text);

// "United States" or "Canada", ignoring letter case.
bool IsNorthAmericanCountry(std::string_view country);

// What the personal information check looks at.
struct PersonalEntries {
  std::string name, address, city, state, postalCode, country, areaCode, prefix, suffix;
};
// Everything filled in; the state may stay empty outside the United States and Canada.
bool PersonalInfoComplete(const PersonalEntries& entries);
// The first entry still needed, in the order the fields stand on the screen, named as the
// PersonalEntries member ("postalCode"); empty when everything needed is there.
std::string_view FirstMissingEntry(const PersonalEntries& entries);

// A digits field: its value, and whether the text was a number at all (an empty field counts
// as 0). A text that is not a number gives 0.
struct DigitsValue {
  std::int32_t value = 0;
  bool isNumber = true;
};
DigitsValue ParseDigits(std::string_view text);

// Takes a chosen location into the record with its codes. While the record was never stored
// it also takes the dialling and charge defaults of the location's country.
void ApplyChosenLocation(data::MyInfo& info, const data::LocationRow& location);

// The telephone area code a location gives: the area code in North America, the city code
// text elsewhere (the area code when a location has no city code).
std::string AreaCodeText(const data::LocationRow& location);

// Copies the dialling information (operator, access, default rates, information and special
// dialling codes) from one record to another.
void CopyDialingInformation(const data::MyInfo& from, data::MyInfo& to);

// The rate files whose services the "Local:", "Long Distance:" and "International:" default
// rates choose from, by the user's country.
std::array<const char*, 3> DefaultRateFileNames(std::string_view country);

}  // namespace dorv::settings
