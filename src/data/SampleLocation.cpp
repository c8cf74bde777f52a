#include "SampleLocation.h"

#include <cstring>

#include "SampleScramble.h"

namespace dorv::data {
namespace {

// The scrambled fields are one run from city to the end of country.
constexpr std::size_t kTextStart = offsetof(SampleLocation, city);
constexpr std::size_t kTextBytes = offsetof(SampleLocation, spare1) - kTextStart;

char* TextRun(SampleLocation& location) {
  return reinterpret_cast<char*>(&location) + kTextStart;
}

}  // namespace

void ClearLocation(SampleLocation& location) { std::memset(&location, 0, sizeof location); }

void DecodeLocation(SampleLocation& location) {
  DecodeBytes(TextRun(location), kTextBytes, scramble_key::kRegions);
}

bool EncodeLocation(SampleLocation& location) {
  return EncodeBytes(TextRun(location), kTextBytes, scramble_key::kRegions);
}

std::string RateKeyOf(const SampleLocation& location) {
  std::string key;
  for (const auto& part : location.rateKeyParts) {
    if (part[0] == '\0') break;
    key += part[0];
  }
  return key;
}

bool SetRateKey(SampleLocation& location, const std::string& key) {
  if (key.size() > 4) return false;
  std::memset(location.rateKeyParts, 0, sizeof location.rateKeyParts);
  for (std::size_t i = 0; i < key.size(); ++i) location.rateKeyParts[i][0] = key[i];
  return true;
}

bool LocationTable::Open(const std::string& name) {
  m_lastIndex = -1;
  return m_file.Open(name, false);
}

bool LocationTable::ReadLocation(long index, SampleLocation& location) {
  ClearLocation(location);
  if (!m_file.ReadAt(static_cast<long long>(index) * sizeof location, &location, sizeof location))
    return false;
  DecodeLocation(location);
  m_lastIndex = index;
  return true;
}

}  // namespace dorv::data
