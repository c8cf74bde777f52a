#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "data/CallLogRecord.h"
#include "data/Charges.h"
#include "data/LocationSearch.h"
#include "data/PdbRecord.h"
#include "support/TempDatabase.h"

namespace dorv::test {

// An entry with every text field filled (Toronto, 416-<prefix>-0100), a day and an evening band,
// a -1 for "no additional rate" and memo files numbered 3.
data::PdbRecord FullEntry(const char* type, const char* name, const char* prefix);

// A search result row: a place in the given region with a made-up postal code and position.
data::LocationRow MakeLocationRow(const std::string& city, const std::string& state,
                                  const std::string& country, int region, int areaCode,
                                  const std::string& cityCode = "");

// A rate file and its index with one service per {company, call type}, one rate row each.
void WriteRateFile(const TempDatabase& db, const std::string& name,
                   std::initializer_list<std::pair<const char*, const char*>> services);

// A logged call to 212-555-0100 in the United States.
struct TestCall {
  std::string name;
  std::uint32_t start;
  std::uint32_t duration = 60;
  double cost = 0;
  double entrySurcharge = 0;
  bool outgoing = true;
  bool sampleRates = false;
  std::uint32_t memoFileNumber = 0;
};
data::CallLogRecord MakeCall(const TestCall& call);

data::Surcharge MakeSurcharge(const std::string& description, double cents, int kind = 1,
                              int minutes = 0);

// The bytes of a record, or of records one after another, as a data file holds them.
template <typename T>
std::string RecordBytes(const T& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}
template <typename T>
std::string RecordBytes(const std::vector<T>& records) {
  return std::string(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(T));
}

// A MYINFO.BIN whose personal information was stored already, so start-up skips the setup.
void WriteStoredSettings(const TempDatabase& db);

}  // namespace dorv::test
