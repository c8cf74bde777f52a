#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

TEST(MyInfoFile, FirstOpenCreatesTheNeutralRecord) {
  TempDatabase db;
  MyInfoFile file;
  ASSERT_TRUE(file.Open());
  ASSERT_EQ(db.ReadFile("MYINFO.BIN").size(), 3552u);
  MyInfo info;
  ASSERT_TRUE(file.Read(info));
  EXPECT_EQ(info.reminderMinutes, 15);
  EXPECT_EQ(info.sampleMinutes[0], 1);
  EXPECT_EQ(info.sampleMinutes[1], 3);
  EXPECT_EQ(info.sampleMinutes[2], 10);
  EXPECT_EQ(info.billingFromDay, 15);
  EXPECT_EQ(info.billingThruDay, 14);
  EXPECT_EQ(info.latitude, -1.0);
  EXPECT_EQ(info.longitude, -1.0);
  EXPECT_EQ(info.infoStored, 0u);
  for (const Surcharge& s : info.surcharges) {
    EXPECT_EQ(s.kind, 1);
    EXPECT_EQ(s.cost, 0.0);
    EXPECT_EQ(ReadField(s.description), "");
  }
}

TEST(MyInfoFile, ExistingFileIsKeptAndWritesRoundTrip) {
  TempDatabase db;
  {
    MyInfoFile file;
    ASSERT_TRUE(file.Open());
    MyInfo info;
    ClearMyInfo(info);
    WriteField(info.name, "Pat");
    info.infoStored = 1;
    ASSERT_TRUE(file.Write(info));
  }
  MyInfoFile again;
  ASSERT_TRUE(again.Open());
  MyInfo info;
  ASSERT_TRUE(again.Read(info));
  EXPECT_EQ(ReadField(info.name), "Pat");
  EXPECT_EQ(info.infoStored, 1u);
}

TEST(MyInfoFile, ShortFileReadsAsFailureWithNeutralRecord) {
  TempDatabase db;
  db.WriteFile("MYINFO.BIN", std::string(100, '\x7f'));
  MyInfoFile file;
  ASSERT_TRUE(file.Open());
  MyInfo info;
  EXPECT_FALSE(file.Read(info));
  EXPECT_EQ(info.reminderMinutes, 15);
  EXPECT_EQ(ReadField(info.name), "");
  EXPECT_EQ(db.ReadFile("MYINFO.BIN").size(), 100u);
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
