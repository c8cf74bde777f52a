#include "BandTitles.h"

#include "FixedText.h"
#include "SampleScramble.h"

namespace dorv::data {

void DecodeBandTitle(BandTitleRecord& record) {
  DecodeField(record.title, scramble_key::kTitlesAndStates);
}

bool EncodeBandTitle(BandTitleRecord& record) {
  return EncodeField(record.title, scramble_key::kTitlesAndStates);
}

bool BandTitleFile::Decoded(BandTitleRecord& record, std::string& title) {
  DecodeBandTitle(record);
  title = ReadField(record.title);
  return true;
}

bool BandTitleFile::ReadTitle(long number, std::string& title) {
  BandTitleRecord record{};
  if (number < 1) return false;
  if (!m_file.ReadAt((number - 1) * static_cast<long long>(sizeof record), &record, sizeof record))
    return false;
  return Decoded(record, title);
}

bool BandTitleFile::ReadNextTitle(std::string& title) {
  BandTitleRecord record{};
  if (!m_file.ReadHere(&record, sizeof record)) return false;
  return Decoded(record, title);
}

}  // namespace dorv::data
