#include "TelcoFile.h"

#include <cstring>

#include "SampleScramble.h"

namespace dorv::data {

void ClearTelco(TelcoEntry& entry) { std::memset(&entry, 0, sizeof entry); }

void DecodeTelco(TelcoEntry& entry) { DecodeField(entry.name, scramble_key::kTelcos); }

bool EncodeTelco(TelcoEntry& entry) { return EncodeField(entry.name, scramble_key::kTelcos); }

bool TelcoFile::ReadTelco(long index, TelcoEntry& entry) {
  ClearTelco(entry);
  if (!m_file.ReadAt(static_cast<long long>(index) * sizeof entry, &entry, sizeof entry))
    return false;
  DecodeTelco(entry);
  return true;
}

}  // namespace dorv::data
