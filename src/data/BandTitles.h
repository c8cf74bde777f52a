#pragma once
#include <string>

#include "RecordFile.h"

namespace dorv::data {

inline constexpr const char* kBandTitleFileName = "dorv1";

// One title of dorv1, scrambled over all 32 bytes.
struct BandTitleRecord {
  char title[32];
};
static_assert(sizeof(BandTitleRecord) == 32);

void DecodeBandTitle(BandTitleRecord& record);
bool EncodeBandTitle(BandTitleRecord& record);

// The band titles file, opened and closed by the dialog that offers the titles.
class BandTitleFile {
 public:
  bool Open() { return m_file.Open(kBandTitleFileName, false); }
  bool Close() { return m_file.Close(); }
  long Count() const { return m_file.Count(sizeof(BandTitleRecord)); }
  // Titles are numbered from 1.
  bool ReadTitle(long number, std::string& title);
  // The title after the one last read, from the first after opening.
  bool ReadNextTitle(std::string& title);

 private:
  bool Decoded(BandTitleRecord& record, std::string& title);
  RecordFile m_file;
};

}  // namespace dorv::data
