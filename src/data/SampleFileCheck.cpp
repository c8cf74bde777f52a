#include "SampleFileCheck.h"

#include <sys/stat.h>

#include <cstdint>
#include <vector>

#include "BandTitles.h"
#include "DatabaseDir.h"
#include "HourDefinitions.h"
#include "RateFiles.h"
#include "RecordFile.h"
#include "SampleLocation.h"
#include "StateTables.h"
#include "TelcoFile.h"

namespace dorv::data {
namespace {

// The file's length, or nothing when it cannot be looked at.
std::optional<long long> LengthOf(const std::string& name) {
  const auto path = DatabasePath(name);
  struct stat facts {};
  if (!path || stat(path->c_str(), &facts) != 0) return std::nullopt;
  return static_cast<long long>(facts.st_size);
}

std::optional<SampleDamage> RecordDamage(long long length, std::size_t recordSize) {
  if (length == 0) return SampleDamage::Empty;
  if (length % static_cast<long long>(recordSize) != 0) return SampleDamage::PartialRecord;
  return std::nullopt;
}

std::optional<DamagedSampleFile> CheckRecords(const std::string& name, std::size_t recordSize) {
  const auto length = LengthOf(name);
  if (!length) return std::nullopt;
  const auto damage = RecordDamage(*length, recordSize);
  if (!damage) return std::nullopt;
  return DamagedSampleFile{name, *damage};
}

bool ReadIndex(const std::string& name, std::vector<RateIndexEntry>& entries) {
  RecordFile index;
  if (!index.Open(name, false)) return false;
  const long count = index.Count(sizeof(RateIndexEntry));
  if (count < 0) return false;
  entries.resize(count);
  return count == 0 || index.ReadAt(0, entries.data(), count * sizeof(RateIndexEntry));
}

// Every service of the index with its rows must lie within the rate file.
std::optional<DamagedSampleFile> CheckRateFile(const std::string& dataName) {
  const std::string indexName = RateIndexFileName(dataName);
  if (auto damaged = CheckRecords(indexName, sizeof(RateIndexEntry))) return damaged;
  const auto dataLength = LengthOf(dataName);
  if (!dataLength) return std::nullopt;
  if (*dataLength == 0) return DamagedSampleFile{dataName, SampleDamage::Empty};
  std::vector<RateIndexEntry> entries;
  if (!ReadIndex(indexName, entries)) return std::nullopt;
  for (const RateIndexEntry& entry : entries) {
    const long long end = static_cast<long long>(entry.offset) + sizeof(Service) +
                          static_cast<long long>(entry.rowCount) * sizeof(RateRow);
    if (end > *dataLength) return DamagedSampleFile{indexName, SampleDamage::IndexPastEnd};
  }
  return std::nullopt;
}

}  // namespace

std::optional<DamagedSampleFile> FindDamagedSampleFile() {
  const std::pair<const char*, std::size_t> tables[] = {
      {kUnitedStatesTable, sizeof(SampleLocation)},
      {kCanadaTable, sizeof(SampleLocation)},
      {kMexicoTable, sizeof(SampleLocation)},
      {kInternationalTable, sizeof(SampleLocation)},
      {kNorthAmericanStates, sizeof(StateRecord)},
      {kOtherStates, sizeof(StateRecord)},
      {kTelcoFileName, sizeof(TelcoEntry)},
      {kHourDefinitionFileName, sizeof(HourDefinition)},
      {kBandTitleFileName, sizeof(BandTitleRecord)}};
  for (const auto& [name, recordSize] : tables)
    if (auto damaged = CheckRecords(name, recordSize)) return damaged;
  for (const char* rateFile : {"dorv11", "dorv12", "dorv13", "dorv14", "dorv15"})
    if (auto damaged = CheckRateFile(rateFile)) return damaged;
  return std::nullopt;
}

}  // namespace dorv::data
