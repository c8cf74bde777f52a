#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "data/BandTitles.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "support/SampleFixture.h"
#include "data/SampleScramble.h"

using namespace dorv::data;
using namespace dorv::test;

TEST(SampleScramble, EveryAsciiByteRoundTripsAStoredFFReadsAsZeroAndNoByteIsStoredAsFF) {
  for (std::uint8_t key : {scramble_key::kHourDefinitions, scramble_key::kTitlesAndStates,
                           scramble_key::kRegions, scramble_key::kRates, scramble_key::kTelcos}) {
    SCOPED_TRACE(int(key));
    char bytes[128];
    for (int i = 0; i < 128; ++i) bytes[i] = static_cast<char>(i);
    ASSERT_TRUE(EncodeBytes(bytes, sizeof bytes, key));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), key);  // padding NUL is stored as the key
    DecodeBytes(bytes, sizeof bytes, key);
    for (int i = 0; i < 128; ++i) ASSERT_EQ(bytes[i], static_cast<char>(i));
    EXPECT_EQ(DecodeByte(0xFF, key), 0);
    // The byte that would be stored as FF is refused and nothing changes.
    char unstorable[3] = {'a', static_cast<char>(UnstorableByte(key)), 'b'};
    EXPECT_EQ(EncodeByte(UnstorableByte(key), key), 0xFF);
    EXPECT_FALSE(EncodeBytes(unstorable, sizeof unstorable, key));
    EXPECT_TRUE(unstorable[0] == 'a' && unstorable[2] == 'b');
  }
}

TEST(HourText, BothClockForms) {
  struct Row { int time; const char* twelve; const char* twentyFour; };
  const Row rows[] = {{0, "   ", "00:00"},     {100, "1 AM", "01:00"},   {1200, "Noon", "12:00"},
                      {1300, "1 PM", "13:00"}, {2300, "11 PM", "23:00"}, {2400, "Mid", "24:00"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.time);
    EXPECT_EQ(HourText(row.time, true), row.twelve);
    EXPECT_EQ(HourText(row.time, false), row.twentyFour);
  }
}

TEST(BandText, DescribesTheHoursInWords) {
  struct Row {
    const char *name, *title;
    std::uint16_t hours[6];
    bool twelveHour, withTimes;
    const char* text;
  };
  const Row rows[] = {
      {"weekday day, 12h", "Day", {800, 1700, 0, 0, 0, 0}, true, true,
       "Day - M-F from 8 AM up to but not including 5 PM"},
      {"weekdays and Saturday whole", "", {2400, 2400, 2400, 2400, 0, 0}, true, true,
       "M-F 24 hours a day, all Sa"},
      {"weekend only, no leading comma", "", {0, 0, 900, 1700, 2400, 2400}, true, true,
       "Sa 9 AM - 5 PM, all Su"},
      {"same every day", "", {1700, 800, 1700, 800, 1700, 800}, true, true,
       "From 5 PM up to but not including 8 AM, 7 days a week"},
      {"whole week", "Flat", {2400, 2400, 2400, 2400, 2400, 2400}, false, true,
       "Flat - 7 days a week, 24 hours per day"},
      {"no times with title", "Spare", {0, 0, 0, 0, 0, 0}, false, true,
       "Spare - No times defined for this band"},
      {"no times without title", "", {0, 0, 0, 0, 0, 0}, false, true, ""},
      {"title only without times", "Night", {2300, 700, 0, 0, 0, 0}, false, false, "Night - "},
      {"untitled ignores the flag", "", {2300, 700, 0, 0, 0, 0}, false, false,
       "M-F from 23:00 up to but not including 07:00"},
      {"midnight start in 12h", "", {0, 800, 0, 2400, 0, 0}, true, true,
       "M-F from     up to but not including 8 AM, Sa     - Mid"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(BandText(row.title, row.hours, row.twelveHour, row.withTimes), row.text) << row.name;
}

TEST(BandText, OfAnEntryUsesThatBandsTitleAndTimes) {
  PdbRecord entry;
  ClearRecord(entry);
  WriteField(entry.bandTitle[1], "Evening");
  const std::uint16_t evening[6] = {1700, 2300, 0, 0, 0, 0};
  std::memcpy(&entry.bandHours[6], evening, sizeof evening);
  EXPECT_EQ(BandTextOfEntry(entry, 1, false),
            "Evening - M-F from 17:00 up to but not including 23:00");
  EXPECT_EQ(BandTextOfEntry(entry, 0, false) + BandTextOfEntry(entry, 3, false), "");
}

TEST(HourDefinitionFile, FindsByExactKeyOnly) {
  TempDatabase db;
  HourDefinitionFile file;
  EXPECT_FALSE(file.Open());
  db.WriteFile(kHourDefinitionFileName, "");
  ASSERT_TRUE(file.Open());
  HourDefinition found;
  EXPECT_FALSE(file.FindByKey("", found));  // an empty file finds nothing
  const HourDefinition peak = MakeBandSet("pk", "Peak", {700, 1900, 0, 0, 0, 0, 1900, 700});
  db.WriteFile(
      kHourDefinitionFileName,
      EncodedImage({MakeBandSet("DEN", "Day", {800, 1700}), peak}, EncodeHourDefinition) + "tail");
  ASSERT_TRUE(file.Open());
  EXPECT_EQ(file.Count(), 2);
  ASSERT_TRUE(file.FindByKey("pk", found));
  EXPECT_EQ(std::memcmp(&found, &peak, sizeof found), 0);
  for (const char* other : {"PK", "p", "pk ", ""})
    EXPECT_FALSE(file.FindByKey(other, found)) << other;
  // The texts are not stored as they read.
  EXPECT_EQ(db.ReadFile(kHourDefinitionFileName).find("Peak"), std::string::npos);
}

TEST(BandTitleFile, ReadsByNumberFromOneAndInSequence) {
  TempDatabase db;
  auto title = [](const char* text) {
    BandTitleRecord record{};
    WriteField(record.title, text);
    return record;
  };
  db.WriteFile(kBandTitleFileName,
               EncodedImage({title("Day"), title("Evening"), title("Night/Weekend")},
                            EncodeBandTitle));
  BandTitleFile file;
  ASSERT_TRUE(file.Open());
  EXPECT_EQ(file.Count(), 3);
  std::string text;
  std::vector<std::string> titles;
  while (file.ReadNextTitle(text)) titles.push_back(text);
  EXPECT_EQ(titles, (std::vector<std::string>{"Day", "Evening", "Night/Weekend"}));
  ASSERT_TRUE(file.ReadTitle(2, text));
  EXPECT_EQ(text, "Evening");
  EXPECT_FALSE(file.ReadTitle(0, text) || file.ReadTitle(4, text));
}
