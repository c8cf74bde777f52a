#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/RecurringFile.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using dorv::test::RecordingNotices;
using dorv::test::TempDatabase;

TEST(MyInfoFile, FirstOpenCreatesTheNeutralRecordAndAShortFileReadsAsIt) {
  TempDatabase db;
  MyInfoFile file;
  ASSERT_TRUE(file.Open());
  ASSERT_EQ(db.ReadFile("MYINFO.BIN").size(), 3552u);
  MyInfo info;
  ASSERT_TRUE(file.Read(info));
  EXPECT_EQ(std::tuple(info.reminderMinutes, info.sampleMinutes[0], info.sampleMinutes[1],
                       info.sampleMinutes[2], info.billingFromDay, info.billingThruDay,
                       info.latitude, info.longitude, info.infoStored),
            std::tuple(15, 1, 3, 10, 15, 14, -1.0, -1.0, 0u));
  for (const Surcharge& s : info.surcharges)
    EXPECT_TRUE(s.kind == 1 && s.cost == 0.0 && s.description[0] == '\0');
  // A short file reads as a failure with the neutral record, and stays as it is.
  db.WriteFile("MYINFO.BIN", std::string(100, '\x7f'));
  ASSERT_TRUE(file.Open());
  EXPECT_FALSE(file.Read(info));
  EXPECT_EQ(std::pair(info.reminderMinutes, ReadField(info.name)), std::pair(15, std::string()));
  EXPECT_EQ(db.ReadFile("MYINFO.BIN"), std::string(100, '\x7f'));
}

TEST(MyInfoTexts, PhoneAndLocation) {
  MyInfo info;
  ClearMyInfo(info);
  WriteField(info.areaCode, "512");
  WriteField(info.prefix, "555");
  WriteField(info.suffix, "0199");
  EXPECT_EQ(MyPhoneText(info), "512.555.0199");
  WriteField(info.extension, "7");
  EXPECT_EQ(MyPhoneText(info), "512.555.0199 ext. 7");
  WriteField(info.city, "Austin");
  WriteField(info.country, "UNITED STATES");
  EXPECT_EQ(MyLocationText(info), "Austin, UNITED STATES");
}

TEST(RecurringFile, CreatedFromTheDefaultsAndKeptWhenTheyChange) {
  TempDatabase db;
  MyInfo info;
  ClearMyInfo(info);
  ApplyNorthAmericanDefaults(info);
  RecordingNotices notices;
  EXPECT_EQ(OpenRecurringFileNumber(12, 1998), -1);
  int fd = CreateRecurringFile("December", "1998", info, notices);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_EQ(notices.shown,
            std::vector<std::string>{"A New Recurring Charge Log for December, 1998 Was Created"});

  std::string raw = db.ReadFile("LOG/December1998.RCH");
  ASSERT_EQ(raw.size(), 1448u);
  EXPECT_EQ(std::tuple(raw[0], raw[4], raw.substr(8, 29)),
            std::tuple(15, 14, "Residential Flat Rate Service"));

  WriteField(info.recurringDefaults[0].name, "Changed later");
  fd = OpenRecurringFileNumber(12, 1998);
  ASSERT_GE(fd, 0);
  RecurringFile contents;
  ASSERT_TRUE(ReadRecurring(fd, contents));
  EXPECT_EQ(ReadField(contents.charges[0].name), "Residential Flat Rate Service");
  EXPECT_EQ(contents.charges[4].amount, 1000.0);
  contents.charges[5].amount = 250.0;
  WriteField(contents.charges[5].name, "Extra line");
  ASSERT_TRUE(WriteRecurring(fd, 12, 1998, contents));
  ::close(fd);
  EXPECT_EQ(db.ReadFile("LOG/December1998.RCH").compare(8 + 5 * 72, 10, "Extra line"), 0);
}

// Nor does a creation that fails say a file was created.
TEST(RecurringFile, CreationNeverOverwritesAMonthAndAnUnknownMonthOrMissingFolderMakesNothing) {
  TempDatabase db;
  db.WriteFile("LOG/???2003.RCH", std::string(1448, '\0'));
  EXPECT_EQ(OpenRecurringFileNumber(13, 2003), -1);
  EXPECT_EQ(OpenRecurringFileNumber(0, 2003), -1);
  std::string edited(1448, '\x01');
  db.WriteFile("LOG/March2003.RCH", edited);
  MyInfo info;
  ClearMyInfo(info);
  RecordingNotices notices;
  EXPECT_EQ(CreateRecurringFile("March", "2003", info, notices), -1);
  EXPECT_EQ(db.ReadFile("LOG/March2003.RCH"), edited);
  std::filesystem::remove_all(db.Path("LOG"));
  EXPECT_EQ(CreateRecurringFile("May", "2001", info, notices), -1);
  EXPECT_TRUE(notices.shown.empty());
}
