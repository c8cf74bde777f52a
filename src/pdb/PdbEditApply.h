#pragma once
#include <array>
#include <ctime>
#include <string>
#include <vector>

#include "data/HourDefinitions.h"
#include "data/RateFiles.h"
#include "pdb/PdbEditRules.h"

namespace dorv::pdb {

// What Lookup Data hands back on OK: the chosen location and service.
struct LookupLocation {
  std::string city, stateCode, stateName, postalCode, areaCode, country, countryCode, rateKey;
  std::int32_t timeZone = 0;
  char locationMark = 0;
};
enum class LookupService { None, Residential, Business, International };
struct LookupChoice {
  LookupLocation location;
  LookupService service = LookupService::None;  // the type of service chosen
  long serviceIndex = -1;
  double distance = 0;
};

// The open rate file Lookup Data chose the service from.
class ServiceSource {
 public:
  virtual ~ServiceSource() = default;
  virtual bool ReadService(long index, data::Service& service) = 0;
  // The rows of the service read last, one at a time; false past the last.
  virtual bool ReadNextRow(data::RateRow& row) = 0;
};
class RateFileSource final : public ServiceSource {
 public:
  explicit RateFileSource(data::RateFile& file) : m_file(file) {}
  bool ReadService(long index, data::Service& service) override;
  bool ReadNextRow(data::RateRow& row) override { return m_file.ReadNextRow(row); }

 private:
  data::RateFile& m_file;
};

// The band set lookup by key.
class BandSetSource {
 public:
  virtual ~BandSetSource() = default;
  virtual bool FindByKey(const std::string& key, data::HourDefinition& set) = 0;
};
class HourFileSource final : public BandSetSource {
 public:
  explicit HourFileSource(data::HourDefinitionFile& file) : m_file(file) {}
  bool FindByKey(const std::string& key, data::HourDefinition& set) override {
    return m_file.FindByKey(key, set);
  }

 private:
  data::HourDefinitionFile& m_file;
};

struct ApplyContext {
  const data::MyInfo& myInfo;
  data::SampleTables& tables;
  ServiceSource& services;
  BandSetSource& bandSets;
  std::time_t now;
};

// Messages the apply step would show, in order (texts of the string table).
using ApplyMessages = std::vector<const char*>;

// Interval headings kept beside the screen.
struct IntervalHeadings {
  std::string initial, additional;
};
IntervalHeadings HeadingsOf(const EditWorking& working);

// Takes a Lookup Data choice into the screen and the working copies.
ApplyMessages ApplyLookup(const LookupChoice& result, ApplyContext& context,
                          EditScreen& screen, EditWorking& working);

// The rate row a location takes from a service's rows: by distance bound for Residential and
// Business, by rate key abroad; the last row read when none fits; false for no rows.
bool ChooseRateRow(ServiceSource& services, bool international, double distance,
                   const std::string& rateKey, data::RateRow& row);

// What Change PDB is given and, on OK, hands back.
struct ChangeDataValues {
  std::array<double, 6> rates{};
  float surcharge = 0;
  std::array<std::string, 3> bandLines;
  std::uint32_t initialInterval = 0, additionalInterval = 0;
  std::string telco, telcoAccessCode, comment, rateEffective, callType, city, state, stateCode,
      postalCode, country, countryCode, areaCode, localTime;
  std::int32_t timeZone = 0;
  std::array<std::string, 3> bandTitle;
  std::array<std::uint16_t, 18> bandHours{};
  // Passed through the band editor; the editor hands them over empty and does not take them back.
  std::array<std::string, 3> bandNotes;
};
ChangeDataValues ChangeValuesOf(const EditScreen& screen, const EditWorking& working);
void ApplyChange(const ChangeDataValues& values, const data::MyInfo& myInfo, EditScreen& screen,
                 EditWorking& working);

}  // namespace dorv::pdb
