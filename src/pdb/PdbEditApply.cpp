#include "pdb/PdbEditApply.h"

#include <cstring>

#include "data/FixedText.h"
#include "data/PdbText.h"
#include "res/Strings.h"

namespace dorv::pdb {

using data::ReadField;

bool RateFileSource::ReadService(long index, data::Service& service) {
  service = {};
  return m_file.ReadService(index, service);
}

IntervalHeadings HeadingsOf(const EditWorking& working) {
  return {IntervalHeading(res::kEditInitialHeading, working.initialInterval),
          IntervalHeading(res::kEditAdditionalHeading, working.additionalInterval)};
}

bool ChooseRateRow(ServiceSource& services, bool international, double distance,
                   const std::string& rateKey, data::RateRow& row) {
  data::RateRow read{};
  bool any = false;
  while (services.ReadNextRow(read)) {
    any = true;
    row = read;
    bool fits = international ? ReadField(read.rateKey) == rateKey
                              : read.distanceBound > distance;
    if (fits) return true;
  }
  return any;
}

namespace {

void SetIntlFields(const std::string& country, const std::string& countryCode,
                   const data::MyInfo& myInfo, EditScreen& screen) {
  IntlFields intl = IntlFieldsOf(country, countryCode, myInfo);
  screen[EditField::IntlAccess] = intl.intlAccess;
  screen[EditField::CountryCode] = intl.countryCode;
}

void SetBandLines(const std::array<std::string, 3>& lines, EditScreen& screen) {
  for (int band = 0; band < 3; ++band)
    screen.text[static_cast<int>(EditField::BandLine1) + band] = lines[band];
}

// Steps 3 to 7 of a lookup: the service, its rates and its band set.
void TakeService(const LookupChoice& result, ApplyContext& context, EditScreen& screen,
                 EditWorking& working, ApplyMessages& messages) {
  data::Service service{};
  if (!context.services.ReadService(result.serviceIndex, service)) {
    messages.push_back(res::kErrorRateFile);
    return;
  }
  screen[EditField::RateEffective] = EffectiveText(service.effective);
  screen[EditField::Telco] = ReadField(service.company);
  screen[EditField::Comment] = ReadField(service.comment);
  screen[EditField::CallType] = ReadField(service.callType);
  working.initialInterval = service.initialInterval;
  working.additionalInterval = service.additionalInterval;

  const bool international = result.service == LookupService::International;
  data::RateRow row{};
  const bool rowTaken = ChooseRateRow(context.services, international, result.distance,
                                      result.location.rateKey, row);
  if (rowTaken)
    for (int i = 0; i < 6; ++i) RateAt(working, i) = row.rates[i] * 0.01;

  // Abroad the band set belongs to the rate row; with no row read there is no key.
  std::string key = international ? (rowTaken ? ReadField(row.bandKey) : std::string())
                                  : ReadField(service.bandKey);
  data::HourDefinition set{};
  if (!context.bandSets.FindByKey(key, set)) {
    messages.push_back(res::kErrorHourDefinitions);
    return;
  }
  const bool twelveHour = context.myInfo.clock12 == 1;
  for (int band = 0; band < 3; ++band) {
    working.bandTitle[band] = ReadField(set.bandTitle[band]);
    std::memcpy(working.bandHours.data() + band * 6, set.bandHours + band * 6,
                6 * sizeof(std::uint16_t));
  }
  SetBandLines(BandLinesOf(working, twelveHour), screen);
}

}  // namespace

ApplyMessages ApplyLookup(const LookupChoice& result, ApplyContext& context,
                          EditScreen& screen, EditWorking& working) {
  ApplyMessages messages;
  const LookupLocation& place = result.location;
  const bool twelveHour = context.myInfo.clock12 == 1;
  if (!place.city.empty() && !place.country.empty()) {
    screen[EditField::LocalTime] =
        data::LocalTimeText(context.now, place.timeZone, place.country, twelveHour);
    working.timeZone = place.timeZone;
  } else {
    // Assigned as a count: GCC 12 at -O3 reports a false overlap for = " " here.
    screen[EditField::LocalTime].assign(1, ' ');
  }
  TakeService(result, context, screen, working, messages);
  MoneyScreenOf(working);  // resets rates of -1.0 as the money fields show them

  if (!place.city.empty()) screen[EditField::City] = place.city;
  if (!place.country.empty()) screen[EditField::Country] = place.country;
  if (!place.stateCode.empty()) {
    std::string name;
    if (LookUpStateName(context.tables, place.stateCode, place.country, name))
      screen[EditField::State] = name;
    working.stateCode = place.stateCode;
  }
  working.locationMark = {place.locationMark, 0, 0, 0};
  if (!place.postalCode.empty()) screen[EditField::PostalCode] = place.postalCode;
  if (!place.areaCode.empty()) screen[EditField::AreaCode] = place.areaCode;
  working.countryCode = place.countryCode;
  SetIntlFields(screen[EditField::Country], working.countryCode, context.myInfo, screen);
  if (result.service != LookupService::None) {
    data::Service service{};
    if (context.services.ReadService(result.serviceIndex, service))
      screen[EditField::RateEffective] = EffectiveText(service.effective);
    else
      messages.push_back(res::kErrorRateFile);
  }
  return messages;
}

ChangeDataValues ChangeValuesOf(const EditScreen& screen, const EditWorking& working) {
  ChangeDataValues v;
  for (int i = 0; i < 6; ++i) v.rates[i] = RateAt(working, i);
  v.surcharge = working.surcharge;
  for (int band = 0; band < 3; ++band)
    v.bandLines[band] = screen.text[static_cast<int>(EditField::BandLine1) + band];
  v.initialInterval = working.initialInterval;
  v.additionalInterval = working.additionalInterval;
  v.telco = screen[EditField::Telco];
  v.telcoAccessCode = working.telcoAccessCode;
  v.comment = screen[EditField::Comment];
  v.rateEffective = screen[EditField::RateEffective];
  v.callType = screen[EditField::CallType];
  v.city = screen[EditField::City];
  v.state = screen[EditField::State];
  v.stateCode = working.stateCode;
  v.postalCode = screen[EditField::PostalCode];
  v.country = screen[EditField::Country];
  v.countryCode = working.countryCode;
  v.areaCode = screen[EditField::AreaCode];
  v.localTime = screen[EditField::LocalTime];
  v.timeZone = working.timeZone;
  v.bandTitle = working.bandTitle;
  v.bandHours = working.bandHours;
  return v;
}

void ApplyChange(const ChangeDataValues& v, const data::MyInfo& myInfo, EditScreen& screen,
                 EditWorking& working) {
  working.bandTitle = v.bandTitle;
  working.bandHours = v.bandHours;
  for (int i = 0; i < 6; ++i) {
    if (RateAt(working, i) != v.rates[i]) working.ratesChanged = 1;
    RateAt(working, i) = v.rates[i];
  }
  working.surcharge = v.surcharge;
  SetBandLines(v.bandLines, screen);
  working.initialInterval = v.initialInterval;
  working.additionalInterval = v.additionalInterval;
  screen[EditField::Telco] = v.telco;
  long access = std::strtol(v.telcoAccessCode.c_str(), nullptr, 10);
  screen[EditField::TelcoAccess] =
      access == myInfo.telcoAccessNumber ? std::string() : v.telcoAccessCode;
  working.telcoAccessCode = v.telcoAccessCode;
  screen[EditField::Comment] = v.comment;
  screen[EditField::RateEffective] = v.rateEffective;
  screen[EditField::CallType] = v.callType;
  screen[EditField::City] = v.city;
  screen[EditField::State] = v.state;
  screen[EditField::PostalCode] = v.postalCode;
  screen[EditField::Country] = v.country;
  screen[EditField::LocalTime] = v.localTime;
  working.timeZone = v.timeZone;
  working.stateCode = v.stateCode;
  screen[EditField::AreaCode] = v.areaCode;
  working.countryCode = v.countryCode;
  SetIntlFields(v.country, v.countryCode, myInfo, screen);
}

}  // namespace dorv::pdb
