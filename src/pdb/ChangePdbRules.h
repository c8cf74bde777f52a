#pragma once
#include <string>

#include "data/MoneyText.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/PdbEditApply.h"

namespace dorv::pdb {

// The value of the digits a text starts with, 0 when it has none.
long NumericValue(const std::string& text);

// What Telco Access shows for a stored code: the code when its value is at least 1, else nothing.
std::string TelcoAccessFieldText(const std::string& code);

// Whether a typed money part is a plain decimal number: digits with at most one decimal
// point (a cents part of ".5" is half a dollar), no sign, no exponent, at most nine characters.
bool IsMoneyPart(const std::string& text);

// The amount three money parts stand for. While they read as they were filled in, the amount
// given is kept as it is, since splitting it and joining the parts again can change its last
// bit; otherwise the typed parts are joined.
double CollectedAmount(double given, const data::MoneyParts& shown, const data::MoneyParts& typed);

// Takes a chosen location's city, state, postal code, country, local time, time zone, country
// code and area or city code into the values.
void TakeLocation(const ChosenLocation& chosen, ChangeDataValues& values);

}  // namespace dorv::pdb
