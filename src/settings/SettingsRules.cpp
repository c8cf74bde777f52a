#include "settings/SettingsRules.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

#include "data/FixedText.h"

namespace dorv::settings {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string ReadPlace(const data::MyInfo& info, TextPlace place) {
  const char* field = reinterpret_cast<const char*>(&info) + place.offset;
  return std::string(field, strnlen(field, place.size));
}

void WritePlace(data::MyInfo& info, TextPlace place, const std::string& text) {
  char* field = reinterpret_cast<char*>(&info) + place.offset;
  std::memset(field, 0, place.size);
  std::memcpy(field, text.data(), std::min(text.size(), place.size - 1));
}

bool IsNorthAmericanCountry(std::string_view country) {
  return SameIgnoringCase(country, "United States") || SameIgnoringCase(country, "Canada");
}

bool PersonalInfoComplete(const PersonalEntries& e) { return FirstMissingEntry(e).empty(); }

std::string_view FirstMissingEntry(const PersonalEntries& e) {
  const bool stateNeeded = IsNorthAmericanCountry(e.country);
  const std::pair<std::string_view, const std::string*> needed[] = {
      {"name", &e.name},
      {"address", &e.address},
      {"city", &e.city},
      {"state", stateNeeded ? &e.state : nullptr},
      {"postalCode", &e.postalCode},
      {"areaCode", &e.areaCode},
      {"prefix", &e.prefix},
      {"suffix", &e.suffix},
  };
  for (const auto& [field, text] : needed)
    if (text && text->empty()) return field;
  return {};
}

DigitsValue ParseDigits(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return {};
  if (text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return {0, false};
  return {value, true};
}

std::string AreaCodeText(const data::LocationRow& location) {
  const bool northAmerica = location.region == 1 || location.region == 2;
  if (!northAmerica && !location.cityCode.empty()) return location.cityCode;
  return location.areaCode != 0 ? std::to_string(location.areaCode) : std::string();
}

void ApplyChosenLocation(data::MyInfo& info, const data::LocationRow& location) {
  data::WriteField(info.city, location.city);
  data::WriteField(info.stateCode, location.stateCode);
  data::WriteField(info.state, location.state);
  data::WriteField(info.postalCode, location.postalCode);
  data::WriteField(info.country, location.country);
  data::WriteField(info.countryShort, location.countryShort);
  data::WriteField(info.cityCode, location.cityCode);
  data::WriteField(info.countryCode, std::to_string(location.countryCode));
  data::WriteField(info.areaCode, AreaCodeText(location));
  data::WriteField(info.faxAreaCode, AreaCodeText(location));
  info.timeZone = location.timeZone;
  info.locationMark = static_cast<std::uint8_t>(location.locationMark);
  info.latitude = location.latitude;
  info.longitude = location.longitude;
  if (info.infoStored != 0) return;
  if (IsNorthAmericanCountry(location.country))
    data::ApplyNorthAmericanDefaults(info);
  else
    data::ApplyInternationalDefaults(info);
}

void CopyDialingInformation(const data::MyInfo& from, data::MyInfo& to) {
  // The dialling fields lie together, from the operator numbers to the special codes.
  constexpr std::size_t kFirst = offsetof(data::MyInfo, operatorLocal);
  constexpr std::size_t kEnd = offsetof(data::MyInfo, telcoAccessNumber);
  static_assert(offsetof(data::MyInfo, threeWayCalling) + 16 == kEnd);
  std::memcpy(reinterpret_cast<char*>(&to) + kFirst, reinterpret_cast<const char*>(&from) + kFirst,
              kEnd - kFirst);
}

std::array<const char*, 3> DefaultRateFileNames(std::string_view country) {
  if (IsNorthAmericanCountry(country)) return {"dorv14", "dorv11", "dorv13"};
  return {"dorv13", "dorv13", "dorv13"};
}

}  // namespace dorv::settings
