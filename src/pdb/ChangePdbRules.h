#pragma once
#include <string>

#include "pdb/CSampleLookupDlg.h"
#include "pdb/PdbEditApply.h"

namespace dorv::pdb {

// The value of the digits a text starts with, 0 when it has none.
long NumericValue(const std::string& text);

// What Telco Access shows for a stored code: the code when its value is at least 1, else nothing.
std::string TelcoAccessFieldText(const std::string& code);

// Takes a chosen location's city, state, postal code, country, local time, time zone, country
// code and area or city code into the values.
void TakeLocation(const ChosenLocation& chosen, ChangeDataValues& values);

}  // namespace dorv::pdb
