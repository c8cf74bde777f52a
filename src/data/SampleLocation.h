#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordFile.h"

namespace dorv::data {

// The four region tables of the sample database, by region number 1..4.
inline constexpr const char* kUnitedStatesTable = "dorv3";
inline constexpr const char* kMexicoTable = "dorv4";
inline constexpr const char* kCanadaTable = "dorv5";
inline constexpr const char* kInternationalTable = "dorv6";

// One location of a region table, byte for byte as stored.
struct SampleLocation {
  char rateKeyParts[4][10];  // plain; the first character of each forms the rate key
  char city[32];
  char stateCode[4];
  char state[32];
  char countryShort[4];
  char postalCode[16];
  char cityCode[8];
  char country[32];
  std::uint8_t spare1;
  std::uint8_t locationMark;
  std::uint8_t padding1[6];
  double latitude;   // degrees; -1.0 unknown
  double longitude;  // degrees; -1.0 unknown
  std::int32_t timeZone;
  std::int32_t areaCode;
  std::int32_t countryCode;
  std::uint8_t padding2[4];
};
static_assert(sizeof(SampleLocation) == 208);
static_assert(offsetof(SampleLocation, city) == 40);
static_assert(offsetof(SampleLocation, stateCode) == 72);
static_assert(offsetof(SampleLocation, state) == 76);
static_assert(offsetof(SampleLocation, countryShort) == 108);
static_assert(offsetof(SampleLocation, postalCode) == 112);
static_assert(offsetof(SampleLocation, cityCode) == 128);
static_assert(offsetof(SampleLocation, country) == 136);
static_assert(offsetof(SampleLocation, spare1) == 168);
static_assert(offsetof(SampleLocation, locationMark) == 169);
static_assert(offsetof(SampleLocation, latitude) == 176);
static_assert(offsetof(SampleLocation, longitude) == 184);
static_assert(offsetof(SampleLocation, timeZone) == 192);
static_assert(offsetof(SampleLocation, areaCode) == 196);
static_assert(offsetof(SampleLocation, countryCode) == 200);

void ClearLocation(SampleLocation& location);
void DecodeLocation(SampleLocation& location);
bool EncodeLocation(SampleLocation& location);

// The rate key: the first characters of the four parts, up to the first empty one.
std::string RateKeyOf(const SampleLocation& location);
// Spreads a key of up to four characters over the parts, one character each.
bool SetRateKey(SampleLocation& location, const std::string& key);

// One region table, opened read-only at start-up and kept open.
class LocationTable {
 public:
  bool Open(const std::string& name);
  bool Close() { return m_file.Close(); }
  bool IsOpen() const { return m_file.IsOpen(); }
  long Count() const { return m_file.Count(sizeof(SampleLocation)); }
  bool ReadLocation(long index, SampleLocation& location);
  long LastIndex() const { return m_lastIndex; }

 private:
  RecordFile m_file;
  long m_lastIndex = -1;
};

}  // namespace dorv::data
