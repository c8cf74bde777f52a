#include <gtest/gtest.h>
#include <filesystem>

#include <unistd.h>

#include <vector>

#include "data/FixedText.h"
#include "data/RecurringFile.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"
#include "res/Strings.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

using RecordedNotices = dorv::test::RecordingNotices;

TEST(RecurringFile, CreatedFromTheDefaultsAndKeptWhenTheyChange) {
  TempDatabase db;
  MyInfo info;
  ClearMyInfo(info);
  ApplyNorthAmericanDefaults(info);
  RecordedNotices notices;
  EXPECT_EQ(OpenRecurringFileNumber(12, 1998), -1);
  int fd = CreateRecurringFile("December", "1998", info, notices);
  ASSERT_GE(fd, 0);
  ::close(fd);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0], "A New Recurring Charge Log for December, 1998 Was Created");

  std::string raw = db.ReadFile("LOG/December1998.RCH");
  ASSERT_EQ(raw.size(), 1448u);
  EXPECT_EQ(raw[0], 15);
  EXPECT_EQ(raw[4], 14);
  EXPECT_EQ(raw.compare(8, 29, "Residential Flat Rate Service"), 0);

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

TEST(RecurringFile, CreationNeverOverwritesAnExistingMonth) {
  TempDatabase db;
  std::string edited(1448, '\x01');
  db.WriteFile("LOG/March2003.RCH", edited);
  MyInfo info;
  ClearMyInfo(info);
  RecordedNotices notices;
  EXPECT_EQ(CreateRecurringFile("March", "2003", info, notices), -1);
  EXPECT_EQ(db.ReadFile("LOG/March2003.RCH"), edited);
  EXPECT_TRUE(notices.shown.empty());
}

TEST(RecurringFile, MonthOutsideTheYearOpensNothing) {
  TempDatabase db;
  db.WriteFile("LOG/???1998.RCH", std::string(1448, '\0'));
  EXPECT_EQ(OpenRecurringFileNumber(13, 1998), -1);
  EXPECT_EQ(OpenRecurringFileNumber(0, 1998), -1);
}

TEST(RecurringFile, CreationFailsCleanlyWithoutALogFolder) {
  TempDatabase db;
  std::filesystem::remove_all(db.Path("LOG"));
  MyInfo info;
  ClearMyInfo(info);
  RecordedNotices notices;
  EXPECT_EQ(CreateRecurringFile("May", "2001", info, notices), -1);
  EXPECT_TRUE(notices.shown.empty());
}
