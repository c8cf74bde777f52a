#pragma once
#include <cstdint>
#include <string>

#include "PdbText.h"

namespace dorv::data {

// Hours to add to Greenwich time for the local time at a far end. Entries in North America
// store their offset as it is; every other entry stores it five hours higher.
// A stored zone may hold any 32-bit value, so the result is 64 bits wide.
inline std::int64_t FarEndOffsetHours(std::int32_t timeZone, const std::string& country) {
  const bool northAmerica = EqualsNoCase(country, "UNITED STATES") ||
                            EqualsNoCase(country, "MEXICO") || EqualsNoCase(country, "CANADA");
  return std::int64_t{timeZone} - (northAmerica ? 0 : 5);
}

}  // namespace dorv::data
