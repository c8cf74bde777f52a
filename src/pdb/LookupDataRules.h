#pragma once
#include <string>
#include <vector>

#include "data/LocationSearch.h"
#include "data/MyInfo.h"
#include "pdb/PdbEditApply.h"

namespace dorv::pdb {

// Below this distance from the user a call is local enough for the nearby rate files.
inline constexpr double kNearbyDistance = 50.0;

// The types of service a location offers: Residential and Business in the user's own country
// (compared ignoring letter case), International anywhere else.
std::vector<LookupService> ServiceTypesFor(const std::string& locationCountry,
                                           const std::string& ownCountry);

// The text a type of service is listed with.
const char* ServiceTypeText(LookupService type);

// The rate file whose services fit a type of service at a distance from the user.
std::string RateFileFor(LookupService type, double distance);

// The distance between the user's coordinates and a location's.
double DistanceFromUser(const data::MyInfo& myInfo, const data::LocationRow& location);

// The area or city code an entry takes from a location: the area code as a number in the
// United States and Canada (by country name, ignoring letter case), the city code elsewhere.
std::string AreaOrCityCodeOf(const data::LocationRow& location);

// What the editor is handed for a location and a service chosen from a rate file.
LookupChoice ChoiceOf(const data::LocationRow& location, LookupService type, long serviceIndex,
                      double distance);

}  // namespace dorv::pdb
