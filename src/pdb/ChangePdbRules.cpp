#include "pdb/ChangePdbRules.h"

#include <cstdlib>

#include "data/PdbText.h"
#include "pdb/LookupDataRules.h"

namespace dorv::pdb {

long NumericValue(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

std::string TelcoAccessFieldText(const std::string& code) {
  return NumericValue(code) >= 1 ? code : std::string();
}

void TakeLocation(const ChosenLocation& chosen, ChangeDataValues& values) {
  const LocationRow& place = chosen.location;
  values.city = place.city;
  values.state = place.state;
  values.stateCode = place.stateCode;
  values.postalCode = place.postalCode;
  values.country = place.country;
  values.localTime = chosen.localTime;
  values.timeZone = place.timeZone;
  values.countryCode = std::to_string(place.countryCode);
  values.areaCode = AreaOrCityCodeOf(place);
}

}  // namespace dorv::pdb
