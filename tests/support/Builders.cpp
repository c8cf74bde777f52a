#include "support/Builders.h"

#include <stdexcept>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/RateFiles.h"
#include "data/SampleImages.h"

namespace dorv::test {

data::PdbRecord FullEntry(const char* type, const char* name, const char* prefix) {
  data::PdbRecord e;
  data::ClearRecord(e);
  e.lastOpened = 0;
  data::WriteField(e.type, type);
  data::WriteField(e.name, name);
  data::WriteField(e.contact, "May");
  data::WriteField(e.address1, "1 Road");
  data::WriteField(e.webSite, "old.example");
  data::WriteField(e.city, "Toronto");
  data::WriteField(e.state, "Ontario");
  data::WriteField(e.country, "Canada");
  data::WriteField(e.countryCode, "1");
  data::WriteField(e.areaCode, "416");
  data::WriteField(e.prefix, prefix);
  data::WriteField(e.suffix, "0100");
  data::WriteField(e.telco, "Sample Telco");
  data::WriteField(e.note, "a note");
  data::WriteField(e.bandTitle[0], "Day");
  data::WriteField(e.bandTitle[1], "Evening");
  e.rates[0] = {10.0, -1.0};
  e.rates[1] = {7.5, 4.0};
  e.memoFileNumber = 3;
  return e;
}

data::LocationRow MakeLocationRow(const std::string& city, const std::string& state,
                                  const std::string& country, int region, int areaCode,
                                  const std::string& cityCode) {
  data::LocationRow row;
  row.city = city;
  row.state = state;
  row.stateCode = state.substr(0, 2);
  row.postalCode = "12345";
  row.country = country;
  row.countryShort = country.substr(0, 2);
  row.cityCode = cityCode;
  row.region = region;
  row.areaCode = areaCode;
  row.countryCode = region <= 2 ? 1 : 52;
  row.timeZone = -5;
  row.locationMark = 'L';
  row.latitude = 40.5;
  row.longitude = -74.25;
  return row;
}

void WriteRateFile(const TempDatabase& db, const std::string& name,
                   std::initializer_list<std::pair<const char*, const char*>> services) {
  data::RateFileImage image;
  for (const auto& [company, callType] : services) {
    data::Service service{};
    data::WriteField(service.company, company);
    data::WriteField(service.callType, callType);
    if (!data::AddService(image, service, {data::RateRow{}}))
      throw std::logic_error("the test rate file is too big");
  }
  db.WriteFile(name, image.data);
  db.WriteFile(data::RateIndexFileName(name), image.index);
}

data::CallLogRecord MakeCall(const TestCall& call) {
  data::CallLogRecord record{};
  data::ClearCallRecord(record, true);
  data::WriteField(record.name, call.name);
  data::WriteField(record.areaCode, "212");
  data::WriteField(record.prefix, "555");
  data::WriteField(record.suffix, "0100");
  data::WriteField(record.country, "UNITED STATES");
  record.start = call.start;
  record.duration = call.duration;
  record.cost = call.cost;
  record.surcharge = call.entrySurcharge;
  record.outgoing = call.outgoing ? 1 : 0;
  record.ratesChanged = call.sampleRates ? 0 : 1;
  record.memoFileNumber = call.memoFileNumber;
  return record;
}

data::Surcharge MakeSurcharge(const std::string& description, double cents, int kind,
                              int minutes) {
  data::Surcharge surcharge{};
  data::ClearSurcharge(surcharge);
  data::WriteField(surcharge.description, description);
  surcharge.cost = cents;
  surcharge.kind = kind;
  surcharge.minutes = minutes;
  return surcharge;
}

void WriteStoredSettings(const TempDatabase& db) {
  data::MyInfo info;
  data::ClearMyInfo(info);
  info.infoStored = 1;
  db.WriteFile("MYINFO.BIN", RecordBytes(info));
}

}  // namespace dorv::test
