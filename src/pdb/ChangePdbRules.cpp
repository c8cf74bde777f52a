#include "pdb/ChangePdbRules.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "data/PdbText.h"
#include "pdb/LookupDataRules.h"

namespace dorv::pdb {

long NumericValue(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

std::string TelcoAccessFieldText(const std::string& code) {
  return NumericValue(code) >= 1 ? code : std::string();
}

bool IsMoneyPart(const std::string& text) {
  if (text.size() > 9 || std::count(text.begin(), text.end(), '.') > 1) return false;
  return std::all_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isdigit(c) || c == '.';
  });
}

double CollectedAmount(double given, const data::MoneyParts& shown,
                       const data::MoneyParts& typed) {
  const bool untouched = shown.dollars == typed.dollars && shown.cents == typed.cents &&
                         shown.hundredths == typed.hundredths;
  return untouched ? given : data::JoinMoney(typed);
}

void TakeLocation(const ChosenLocation& chosen, ChangeDataValues& values) {
  const data::LocationRow& place = chosen.location;
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
