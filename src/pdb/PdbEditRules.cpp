#include "pdb/PdbEditRules.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "data/EnglishLocale.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/PdbText.h"
#include "res/Strings.h"

namespace dorv::pdb {

using data::ReadField;
using data::WriteField;

namespace {

constexpr EditFieldSpec kSpecs[kEditFieldCount] = {
    {EditField::Type, res::kSurchargeLabelType, 31, false},
    {EditField::Name, res::kLabelName, 31, false},
    {EditField::Contact, res::kLabelContact, 31, false},
    {EditField::DeptMailStop, res::kLabelDeptMailStop, 24, false},
    {EditField::OutsideLine, res::kLabelOutsideLine, 7, true},
    {EditField::TelcoAccess, res::kLabelTelcoAccessCode, 7, true},
    {EditField::IntlAccess, res::kLabelIntlAccessCode, 7, true},
    {EditField::CountryCode, res::kLabelCountryCode, 7, true},
    {EditField::AreaCode, res::kLabelAreaOrCityCode, 7, false},
    {EditField::Prefix, res::kLabelPrefix, 7, false},
    {EditField::Suffix, res::kLabelSuffix, 11, false},
    {EditField::Extension, res::kLabelExtension, 7, false},
    {EditField::Address1, res::kLabelAddress, 31, false},
    {EditField::Address2, "", 31, false},
    {EditField::City, res::kLabelCity, 31, true},
    {EditField::State, res::kLabelState, 31, true},
    {EditField::PostalCode, res::kLabelPostalCodeShort, 15, true},
    {EditField::Country, res::kLabelCountry, 31, true},
    {EditField::LocalTime, res::kLabelLocalTime, 0, true},
    {EditField::Note, res::kLabelNote, 79, false},
    {EditField::Email, res::kLabelEmail, 127, false},
    {EditField::WebSite, res::kLabelWebSite, 255, false},
    {EditField::Telco, res::kLabelTelco, 0, true},
    {EditField::CallType, res::kLabelCallType, 19, true},
    {EditField::RateEffective, res::kLabelRateEffective, 19, true},
    {EditField::Comment, res::kLabelComment, 47, true},
    {EditField::BandLine1, "", 0, true},
    {EditField::BandLine2, "", 0, true},
    {EditField::BandLine3, "", 0, true},
};

// Calls use(field, entry text field) for every screen field stored in the entry as it is.
template <class Record, class Use>
void ForEachStoredField(Record& e, Use use) {
  use(EditField::Type, e.type);
  use(EditField::Name, e.name);
  use(EditField::Contact, e.contact);
  use(EditField::DeptMailStop, e.deptMailStop);
  use(EditField::Address1, e.address1);
  use(EditField::Address2, e.address2);
  use(EditField::City, e.city);
  use(EditField::State, e.state);
  use(EditField::PostalCode, e.postalCode);
  use(EditField::Country, e.country);
  use(EditField::Note, e.note);
  use(EditField::AreaCode, e.areaCode);
  use(EditField::Prefix, e.prefix);
  use(EditField::Suffix, e.suffix);
  use(EditField::Extension, e.extension);
  use(EditField::RateEffective, e.rateEffective);
  use(EditField::Telco, e.telco);
  use(EditField::Comment, e.comment);
  use(EditField::CallType, e.callType);
  use(EditField::Email, e.email);
  use(EditField::WebSite, e.webSite);
}

// The text as the entry's field would hold it.
template <std::size_t N>
std::string Stored(const std::string& text) {
  return text.substr(0, N - 1);
}

// A full field (no NUL) is compared as far as a write would keep it.
template <std::size_t N>
bool Differs(const char (&field)[N], const std::string& text) {
  return Stored<N>(ReadField(field)) != Stored<N>(text);
}

// A rate of -1.0 shows, and counts, as 0.
double Shown(double rate) { return rate == -1.0 ? 0.0 : rate; }

std::string FormatTime(const char* format, std::time_t when) {
  std::tm parts{};
  localtime_r(&when, &parts);
  char buffer[128];
  std::size_t n = strftime_l(buffer, sizeof buffer, format, &parts, data::EnglishLocale());
  return std::string(buffer, n);
}

}  // namespace

const EditFieldSpec& SpecOf(EditField field) { return kSpecs[static_cast<int>(field)]; }

EditWorking WorkingOf(const data::PdbRecord& entry) {
  EditWorking w;
  for (int band = 0; band < 3; ++band) {
    w.bandTitle[band] = ReadField(entry.bandTitle[band]);
    w.rates[band] = entry.rates[band];
  }
  std::memcpy(w.bandHours.data(), entry.bandHours, sizeof entry.bandHours);
  w.initialInterval = entry.initialInterval;
  w.additionalInterval = entry.additionalInterval;
  w.surcharge = entry.surcharge;
  w.timeZone = entry.timeZone;
  w.stateCode = ReadField(entry.stateCode);
  w.telcoAccessCode = ReadField(entry.telcoAccessCode);
  w.countryCode = ReadField(entry.countryCode);
  w.ratesChanged = entry.ratesChanged;
  std::memcpy(w.locationMark.data(), entry.locationMark, sizeof entry.locationMark);
  return w;
}

double& RateAt(EditWorking& working, int i) {
  data::BandRates& band = working.rates[i / 2];
  return i % 2 == 0 ? band.initial : band.additional;
}
double RateAt(const EditWorking& working, int i) {
  return RateAt(const_cast<EditWorking&>(working), i);
}

std::string DiscountText(double band1Rate, double bandRate, const std::string& bandTitle) {
  if (band1Rate == 0.0 || bandRate == 0.0 || band1Rate == -1.0 || bandRate == -1.0 ||
      bandTitle.empty())
    return " ";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, res::kDiscountFormat,
                (band1Rate - bandRate) / band1Rate * 100.0);
  return buffer;
}

MoneyScreen MoneyScreenOf(EditWorking& working) {
  MoneyScreen money;
  for (int i = 0; i < 6; ++i) {
    double& rate = RateAt(working, i);
    if (rate == -1.0) rate = 0.0;
    if (rate != 0.0 && !working.bandTitle[i / 2].empty()) money.rates[i] = data::SplitMoney(rate);
  }
  // Bands 2 and 3 against band 1, initial column first.
  for (int column = 0; column < 2; ++column)
    for (int band = 1; band < 3; ++band)
      money.discounts[column * 2 + band - 1] =
          DiscountText(RateAt(working, column), RateAt(working, band * 2 + column),
                       working.bandTitle[band]);
  money.surcharge = data::SplitMoney(working.surcharge);
  return money;
}

void ClearIdentity(data::PdbRecord& entry) {
  WriteField(entry.type, "");
  WriteField(entry.name, "");
  WriteField(entry.contact, "");
  WriteField(entry.deptMailStop, "");
  WriteField(entry.address1, "");
  WriteField(entry.address2, "");
  WriteField(entry.prefix, "");
  WriteField(entry.suffix, "");
  WriteField(entry.extension, "");
  WriteField(entry.email, "");
  WriteField(entry.webSite, "");
  WriteField(entry.note, "");
  entry.memoFileNumber = 0;
}

IntlFields IntlFieldsOf(const std::string& entryCountry, const std::string& countryCode,
                        const data::MyInfo& myInfo) {
  if (!data::DialledAbroad(entryCountry, ReadField(myInfo.country))) return {};
  return {ReadField(myInfo.intlAccessCode), countryCode};
}

std::string TelcoAccessShown(const std::string& code, const data::MyInfo& myInfo) {
  long value = std::strtol(code.c_str(), nullptr, 10);
  if (value == 0 || value == myInfo.telcoAccessNumber) return {};
  return code;
}

bool HasLetter(const std::string& text) {
  for (unsigned char c : text)
    if (std::isalpha(c)) return true;
  return false;
}

std::array<std::string, 3> BandLinesOf(const EditWorking& working, bool twelveHour) {
  std::array<std::string, 3> lines;
  for (int band = 0; band < 3; ++band) {
    std::uint16_t hours[6];
    std::memcpy(hours, working.bandHours.data() + band * 6, sizeof hours);
    lines[band] = data::BandText(working.bandTitle[band], hours, twelveHour, true);
  }
  return lines;
}

void LoadScreen(const data::PdbRecord& entry, const data::MyInfo& myInfo, std::time_t now,
                EditScreen& screen, EditWorking& working) {
  const bool twelveHour = myInfo.clock12 == 1;
  ForEachStoredField(entry, [&](EditField f, const auto& field) { screen[f] = ReadField(field); });
  // The entry's field is a byte wider than the screen allows.
  screen[EditField::DeptMailStop] = screen[EditField::DeptMailStop].substr(0, 25);
  const std::string country = ReadField(entry.country);
  IntlFields intl = IntlFieldsOf(country, ReadField(entry.countryCode), myInfo);
  screen[EditField::IntlAccess] = intl.intlAccess;
  screen[EditField::CountryCode] = intl.countryCode;
  screen[EditField::TelcoAccess] = TelcoAccessShown(ReadField(entry.telcoAccessCode), myInfo);
  working = WorkingOf(entry);
  for (int band = 0; band < 3; ++band)
    screen.text[static_cast<int>(EditField::BandLine1) + band] =
        data::BandTextOfEntry(entry, band, twelveHour);
  screen[EditField::LocalTime] =
      ReadField(entry.city).empty()
          ? " "
          : data::LocalTimeText(now, entry.timeZone, country, twelveHour);
}

bool LookUpStateName(data::SampleTables& tables, const std::string& stateCode,
                     const std::string& country, std::string& name) {
  std::string group;
  if (data::EqualsNoCase(country, "UNITED STATES") || data::EqualsNoCase(country, "CANADA"))
    group = "011";
  else if (data::EqualsNoCase(country, "MEXICO"))
    group = "98";
  data::StateTable& table = group.empty() ? tables.otherStates : tables.northAmericanStates;
  return table.IsOpen() && table.FindStateByCode(stateCode, name, group);
}

bool StoreScreen(const EditScreen& screen, const EditWorking& working, bool twelveHour,
                 data::PdbRecord& entry) {
  bool changed = false;
  ForEachStoredField(entry, [&](EditField f, auto& field) {
    changed = changed || Differs(field, screen[f]);
  });
  changed = changed || Differs(entry.countryCode, working.countryCode) ||
            Differs(entry.telcoAccessCode, working.telcoAccessCode) ||
            Differs(entry.stateCode, working.stateCode) ||
            std::memcmp(entry.locationMark, working.locationMark.data(),
                        sizeof entry.locationMark) != 0;
  for (int band = 0; band < 3; ++band) {
    changed = changed || Differs(entry.bandTitle[band], working.bandTitle[band]) ||
              screen.text[static_cast<int>(EditField::BandLine1) + band] !=
                  data::BandTextOfEntry(entry, band, twelveHour) ||
              Shown(entry.rates[band].initial) != Shown(working.rates[band].initial) ||
              Shown(entry.rates[band].additional) != Shown(working.rates[band].additional);
  }
  changed = changed ||
            std::memcmp(entry.bandHours, working.bandHours.data(), sizeof entry.bandHours) != 0 ||
            entry.timeZone != working.timeZone || entry.surcharge != working.surcharge ||
            entry.initialInterval != working.initialInterval ||
            entry.additionalInterval != working.additionalInterval;

  ForEachStoredField(entry, [&](EditField f, auto& field) { WriteField(field, screen[f]); });
  WriteField(entry.intlAccessCode, screen[EditField::IntlAccess]);
  WriteField(entry.countryCode, working.countryCode);
  WriteField(entry.telcoAccessCode, working.telcoAccessCode);
  WriteField(entry.stateCode, working.stateCode);
  for (int band = 0; band < 3; ++band) {
    WriteField(entry.bandTitle[band], working.bandTitle[band]);
    entry.rates[band] = working.rates[band];
  }
  std::memcpy(entry.bandHours, working.bandHours.data(), sizeof entry.bandHours);
  std::memcpy(entry.locationMark, working.locationMark.data(), sizeof entry.locationMark);
  entry.ratesChanged = working.ratesChanged;
  entry.timeZone = working.timeZone;
  entry.surcharge = working.surcharge;
  entry.initialInterval = working.initialInterval;
  entry.additionalInterval = working.additionalInterval;
  return changed;
}

std::string IntervalHeading(const char* format, std::uint32_t seconds) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, format, static_cast<int>(seconds));
  return buffer;
}

std::string EffectiveText(std::time_t when) { return FormatTime(res::kEditEffectiveFormat, when); }

std::string OpenedText(std::time_t when, bool twelveHour) {
  return FormatTime(twelveHour ? res::kEditOpenedFormat12 : res::kEditOpenedFormat24, when);
}

bool CallButtonsAllowed(bool mayCall, const std::string& prefix, const std::string& suffix) {
  return mayCall && !prefix.empty() && !suffix.empty();
}

}  // namespace dorv::pdb
