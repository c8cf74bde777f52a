#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "PdbRecord.h"
#include "RecordFile.h"

namespace dorv::data {

inline constexpr const char* kHourDefinitionFileName = "dorv10";

// One ready-made set of three rate bands, byte for byte as stored in dorv10.
struct HourDefinition {
  char key[4];
  char bandTitle[3][32];
  char bandText[3][128];
  std::uint16_t bandHours[18];  // band after band: weekday, Saturday, Sunday start and end
};
static_assert(sizeof(HourDefinition) == 520);
static_assert(offsetof(HourDefinition, key) == 0);
static_assert(offsetof(HourDefinition, bandTitle) == 4);
static_assert(offsetof(HourDefinition, bandText) == 100);
static_assert(offsetof(HourDefinition, bandHours) == 484);

// The text fields (key, titles, texts) are one scrambled run at the record's start.
void DecodeHourDefinition(HourDefinition& record);
bool EncodeHourDefinition(HourDefinition& record);

// The hour definition file, open for the program's whole run.
class HourDefinitionFile {
 public:
  bool Open();
  bool Close() { return m_file.Close(); }
  bool IsOpen() const { return m_file.IsOpen(); }
  long Count() const { return m_file.Count(sizeof(HourDefinition)); }
  // The first record whose key equals the given one exactly (letter case counts).
  bool FindByKey(const std::string& key, HourDefinition& record);
  long FoundIndex() const { return m_foundIndex; }

 private:
  RecordFile m_file;
  long m_foundIndex = -1;
};

// One time (hour x 100) in words: "09:00" / "24:00", or "9 AM", "Noon", "Mid", three blanks.
std::string HourText(int time, bool twelveHour);
// A band's title and hours in words; without times only the title part when there is one.
std::string BandText(const std::string& title, const std::uint16_t (&hours)[6], bool twelveHour,
                     bool withTimes);
// BandText of an entry's band 0..2, with times; empty for any other band index.
std::string BandTextOfEntry(const PdbRecord& record, int band, bool twelveHour);

}  // namespace dorv::data
