#pragma once
#include <string>

#include "PdbText.h"

namespace dorv::data {

// Hours to add to Greenwich time for the local time at a far end. Entries in North America
// store their offset as it is; every other entry stores it five hours higher.
inline int FarEndOffsetHours(int timeZone, const std::string& country) {
  const bool northAmerica = EqualsNoCase(country, "UNITED STATES") ||
                            EqualsNoCase(country, "MEXICO") || EqualsNoCase(country, "CANADA");
  return northAmerica ? timeZone : timeZone - 5;
}

}  // namespace dorv::data
