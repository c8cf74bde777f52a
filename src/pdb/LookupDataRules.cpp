#include "pdb/LookupDataRules.h"

#include "data/Distance.h"
#include "data/FixedText.h"
#include "data/PdbText.h"
#include "res/Strings.h"

namespace dorv::pdb {

std::vector<LookupService> ServiceTypesFor(const std::string& locationCountry,
                                           const std::string& ownCountry) {
  if (data::EqualsNoCase(locationCountry, ownCountry))
    return {LookupService::Residential, LookupService::Business};
  return {LookupService::International};
}

const char* ServiceTypeText(LookupService type) {
  switch (type) {
    case LookupService::Residential: return res::kServiceTypeResidental;
    case LookupService::Business: return res::kServiceTypeBusiness;
    case LookupService::International: return res::kServiceTypeInternational;
    case LookupService::None: break;
  }
  return "";
}

std::string RateFileFor(LookupService type, double distance) {
  const bool nearby = distance < kNearbyDistance;
  switch (type) {
    case LookupService::Residential: return nearby ? "dorv14" : "dorv11";
    case LookupService::Business: return nearby ? "dorv15" : "dorv12";
    default: return "dorv13";
  }
}

double DistanceFromUser(const data::MyInfo& myInfo, const data::LocationRow& location) {
  return data::Distance(myInfo.latitude, myInfo.longitude, location.latitude, location.longitude);
}

std::string AreaOrCityCodeOf(const data::LocationRow& location) {
  if (data::EqualsNoCase(location.country, "United States") ||
      data::EqualsNoCase(location.country, "Canada"))
    return std::to_string(location.areaCode);
  return location.cityCode;
}

LookupChoice ChoiceOf(const data::LocationRow& location, LookupService type, long serviceIndex,
                      double distance) {
  LookupChoice choice;
  LookupLocation& place = choice.location;
  place.city = location.city;
  place.stateCode = location.stateCode;
  place.stateName = location.state;
  place.postalCode = location.postalCode;
  place.areaCode = AreaOrCityCodeOf(location);
  place.country = location.country;
  place.countryCode = std::to_string(location.countryCode);
  place.rateKey = location.rateKey;
  place.timeZone = location.timeZone;
  place.locationMark = location.locationMark;
  choice.service = type;
  choice.serviceIndex = serviceIndex;
  choice.distance = distance;
  return choice;
}

}  // namespace dorv::pdb
