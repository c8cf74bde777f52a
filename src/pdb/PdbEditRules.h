#pragma once
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "data/MoneyText.h"
#include "data/MyInfo.h"
#include "data/PdbRecord.h"
#include "data/RateFiles.h"
#include "data/SampleTables.h"

namespace dorv::pdb {

// The text fields of the record editor, in the order they are laid out.
enum class EditField {
  Type, Name, Contact, DeptMailStop, OutsideLine, TelcoAccess, IntlAccess, CountryCode,
  AreaCode, Prefix, Suffix, Extension, Address1, Address2, City, State, PostalCode, Country,
  LocalTime, Note, Email, WebSite, Telco, CallType, RateEffective, Comment,
  BandLine1, BandLine2, BandLine3, Count
};
inline constexpr int kEditFieldCount = static_cast<int>(EditField::Count);

struct EditFieldSpec {
  EditField field;
  const char* label;  // empty for the second address line and the band lines
  int limit;          // characters; 0 for fields only the program fills
  bool readOnly;
};
const EditFieldSpec& SpecOf(EditField field);

// What the editor's text fields show, indexed by EditField.
struct EditScreen {
  std::array<std::string, kEditFieldCount> text;
  std::string& operator[](EditField f) { return text[static_cast<int>(f)]; }
  const std::string& operator[](EditField f) const { return text[static_cast<int>(f)]; }
};

// The values the editor keeps beside the screen until they go into the entry.
struct EditWorking {
  std::array<std::string, 3> bandTitle;
  std::array<std::uint16_t, 18> bandHours{};
  std::array<data::BandRates, 3> rates{};
  std::uint32_t initialInterval = 0;
  std::uint32_t additionalInterval = 0;
  float surcharge = 0;
  std::int32_t timeZone = 0;
  std::string stateCode, telcoAccessCode, countryCode;
  std::uint8_t ratesChanged = 0;
  std::array<char, 4> locationMark{};
};

EditWorking WorkingOf(const data::PdbRecord& entry);

// Rate i of the six: band i / 2, initial for even i, additional for odd i.
double& RateAt(EditWorking& working, int i);
double RateAt(const EditWorking& working, int i);

// The read-only money fields: six rates, discounts of bands 2 and 3 (initial, initial,
// additional, additional) and the surcharge.
struct MoneyScreen {
  std::array<data::MoneyParts, 6> rates;
  std::array<std::string, 4> discounts;
  data::MoneyParts surcharge;
};
// Resets rates of -1.0 to 0 first, as the entry shows them.
MoneyScreen MoneyScreenOf(EditWorking& working);
// "%.0f%%" of the band's saving against band 1, or a single blank.
std::string DiscountText(double band1Rate, double bandRate, const std::string& bandTitle);

// Clears everything that identifies the entry and its memos; location and rates stay.
void ClearIdentity(data::PdbRecord& entry);

// Intl Access Code and Country Code as shown: filled only for a call abroad, calls between
// the United States and Canada not counting as abroad.
struct IntlFields {
  std::string intlAccess, countryCode;
};
IntlFields IntlFieldsOf(const std::string& entryCountry, const std::string& countryCode,
                        const data::MyInfo& myInfo);
// The entry's telco access code, empty when it is 0 or the user's own.
std::string TelcoAccessShown(const std::string& code, const data::MyInfo& myInfo);
bool HasLetter(const std::string& text);

// The three band lines of the working copies, with times.
std::array<std::string, 3> BandLinesOf(const EditWorking& working, bool twelveHour);

// Fills the screen and the working copies from an entry as loading shows it (without the
// state lookup, which needs the state tables).
void LoadScreen(const data::PdbRecord& entry, const data::MyInfo& myInfo, std::time_t now,
                EditScreen& screen, EditWorking& working);

// The state name of a code: the dialling group and the table follow from the country.
bool LookUpStateName(data::SampleTables& tables, const std::string& stateCode,
                     const std::string& country, std::string& name);

// Compares the screen and the working copies with the entry, then copies them into it
// whatever the outcome; true when anything differed.
bool StoreScreen(const EditScreen& screen, const EditWorking& working, bool twelveHour,
                 data::PdbRecord& entry);

// "Initial %i sec" and "Each additional %i sec".
std::string IntervalHeading(const char* format, std::uint32_t seconds);
// An effective date as "%b %d, %Y".
std::string EffectiveText(std::time_t when);
// The caption's time stamp of an entry.
std::string OpenedText(std::time_t when, bool twelveHour);

// What a pending call-button check decides: the entry may be called and has both parts.
bool CallButtonsAllowed(bool mayCall, const std::string& prefix, const std::string& suffix);

}  // namespace dorv::pdb
