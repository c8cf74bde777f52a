#pragma once
#include <cstddef>
#include <cstdint>

#include "RecordFile.h"

namespace dorv::data {

inline constexpr const char* kTelcoFileName = "dorv9";

// A telephone company and its access code, byte for byte as stored in dorv9.
struct TelcoEntry {
  char name[128];
  std::int32_t accessCode;
};
static_assert(sizeof(TelcoEntry) == 132);
static_assert(offsetof(TelcoEntry, accessCode) == 128);

void ClearTelco(TelcoEntry& entry);
void DecodeTelco(TelcoEntry& entry);
bool EncodeTelco(TelcoEntry& entry);

// The telephone company file, opened at start-up and kept open.
class TelcoFile {
 public:
  bool Open() { return m_file.Open(kTelcoFileName, false); }
  bool Close() { return m_file.Close(); }
  bool IsOpen() const { return m_file.IsOpen(); }
  long Count() const { return m_file.Count(sizeof(TelcoEntry)); }
  bool ReadTelco(long index, TelcoEntry& entry);

 private:
  RecordFile m_file;
};

}  // namespace dorv::data
