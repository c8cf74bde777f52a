#include "HourDefinitions.h"

#include <cstdio>
#include <cstring>

#include "FixedText.h"
#include "SampleScramble.h"
#include "res/Strings.h"

namespace dorv::data {
namespace {

constexpr std::size_t kTextBytes = offsetof(HourDefinition, bandHours);

std::string Format(const char* pattern, const std::string& a, const std::string& b) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, pattern, a.c_str(), b.c_str());
  return buffer;
}

// Appends one day type's part; "separate" says whether something stands before it.
void AppendDay(std::string& text, bool& separate, std::uint16_t start, std::uint16_t end,
               const char* whole, const char* range, bool twelveHour) {
  if (start == 0 && end == 0) return;
  if (separate) text += ", ";
  text += (start == 2400 && end == 2400)
              ? std::string(whole)
              : Format(range, HourText(start, twelveHour), HourText(end, twelveHour));
  separate = true;
}

}  // namespace

void DecodeHourDefinition(HourDefinition& record) {
  DecodeBytes(reinterpret_cast<char*>(&record), kTextBytes, scramble_key::kHourDefinitions);
}

bool EncodeHourDefinition(HourDefinition& record) {
  return EncodeBytes(reinterpret_cast<char*>(&record), kTextBytes, scramble_key::kHourDefinitions);
}

bool HourDefinitionFile::Open() {
  m_foundIndex = -1;
  return m_file.Open(kHourDefinitionFileName, false);
}

bool HourDefinitionFile::FindByKey(const std::string& key, HourDefinition& record) {
  long count = Count();
  for (long i = 0; i < count; ++i) {
    std::memset(&record, 0, sizeof record);
    if (!m_file.ReadAt(static_cast<long long>(i) * sizeof record, &record, sizeof record))
      return false;
    DecodeHourDefinition(record);
    if (ReadField(record.key) == key) {
      m_foundIndex = i;
      return true;
    }
  }
  return false;
}

std::string HourText(int time, bool twelveHour) {
  int hour = time / 100;
  char buffer[32];
  if (twelveHour && hour >= 0 && hour <= 24) {
    if (hour == 24) return res::kHourMidnight;
    if (hour == 12) return res::kHourNoon;
    if (hour == 0) return "   ";
    if (hour > 12)
      std::snprintf(buffer, sizeof buffer, res::kHourPm, hour - 12);
    else
      std::snprintf(buffer, sizeof buffer, res::kHourAm, hour);
    return buffer;
  }
  std::snprintf(buffer, sizeof buffer, time >= 1000 ? "%i:00" : "0%i:00", hour);
  return buffer;
}

std::string BandText(const std::string& title, const std::uint16_t (&h)[6], bool twelveHour,
                     bool withTimes) {
  std::string text = title.empty() ? "" : title + " - ";
  if (!withTimes && !title.empty()) return text;
  auto all = [&h](std::uint16_t value) {
    for (std::uint16_t v : h)
      if (v != value) return false;
    return true;
  };
  if (all(2400)) return text + "7 days a week, 24 hours per day";
  if (all(0)) return title.empty() ? "" : text + "No times defined for this band";
  if (h[0] == h[2] && h[2] == h[4] && h[1] == h[3] && h[3] == h[5])
    return text + Format("From %s up to but not including %s, 7 days a week",
                         HourText(h[0], twelveHour), HourText(h[1], twelveHour));
  bool separate = false;
  AppendDay(text, separate, h[0], h[1], "M-F 24 hours a day",
            "M-F from %s up to but not including %s", twelveHour);
  AppendDay(text, separate, h[2], h[3], "all Sa", "Sa %s - %s", twelveHour);
  AppendDay(text, separate, h[4], h[5], "all Su", "Su %s - %s", twelveHour);
  return text;
}

std::string BandTextOfEntry(const PdbRecord& record, int band, bool twelveHour) {
  if (band < 0 || band > 2) return "";
  std::uint16_t hours[6];
  std::memcpy(hours, &record.bandHours[band * 6], sizeof hours);
  return BandText(ReadField(record.bandTitle[band]), hours, twelveHour, true);
}

}  // namespace dorv::data
