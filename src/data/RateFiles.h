#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordFile.h"

namespace dorv::data {

// A telephone service of a rate file, byte for byte as stored; its rate rows follow it.
struct Service {
  char company[128];
  char callType[32];
  char comment[128];
  char bandKey[4];
  std::uint8_t spare1[8];
  std::int32_t effective;  // time_t from which the rates apply
  std::uint8_t spare2;
  std::uint8_t padding1[3];
  std::uint32_t initialInterval;     // seconds
  std::uint32_t additionalInterval;  // seconds
  std::uint8_t spare3;
  std::uint8_t padding2[3];
};
static_assert(sizeof(Service) == 320);
static_assert(offsetof(Service, callType) == 128);
static_assert(offsetof(Service, comment) == 160);
static_assert(offsetof(Service, bandKey) == 288);
static_assert(offsetof(Service, spare1) == 292);
static_assert(offsetof(Service, effective) == 300);
static_assert(offsetof(Service, spare2) == 304);
static_assert(offsetof(Service, initialInterval) == 308);
static_assert(offsetof(Service, additionalInterval) == 312);
static_assert(offsetof(Service, spare3) == 316);

// One rate row, plain. Rates in hundredths of a cent: band 1 initial, band 1 additional,
// band 2 initial, ... band 3 additional.
struct RateRow {
  char rateKey[4];
  char bandKey[4];
  std::int32_t distanceBound;
  std::int32_t rates[6];
  std::uint8_t spare[4];
};
static_assert(sizeof(RateRow) == 40);
static_assert(offsetof(RateRow, bandKey) == 4);
static_assert(offsetof(RateRow, distanceBound) == 8);
static_assert(offsetof(RateRow, rates) == 12);
static_assert(offsetof(RateRow, spare) == 36);

// One entry of a rate file's index: where a service lies and how many rows follow it.
struct RateIndexEntry {
  std::uint32_t offset;
  std::uint32_t rowCount;
};
static_assert(sizeof(RateIndexEntry) == 8);

void DecodeService(Service& service);
bool EncodeService(Service& service);

// The index file paired with a rate file ("dorv11" with "dorv16" ... "dorv15" with "dorv20");
// empty for any other name.
std::string RateIndexFileName(const std::string& rateFileName);

// One rate file with its index, opened by name on demand.
class RateFile {
 public:
  // Only "dorv11" to "dorv15"; a failed open leaves nothing open.
  bool OpenRateFile(const std::string& name);
  bool Close();
  bool IsOpen() const { return m_data.IsOpen(); }
  long ServiceCount() const { return m_index.Count(sizeof(RateIndexEntry)); }
  bool ReadService(long index, Service& service);
  long LastIndex() const { return m_lastIndex; }
  // Rows of the service last read; read them with ReadNextRow right after ReadService.
  long RowCount() const { return m_rowCount; }
  // False past the service's last row, so the next service is never read as a row.
  bool ReadNextRow(RateRow& row);

 private:
  RecordFile m_data;
  RecordFile m_index;
  long m_lastIndex = -1;
  long m_rowCount = 0;
  long m_rowsRead = 0;
};

}  // namespace dorv::data
