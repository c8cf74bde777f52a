#include <gtest/gtest.h>

#include "data/Rewrite.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

TEST(RewriteFile, KeepsTheChosenRecordsOverAStaleScratchFileAndDropsAPartialTail) {
  TempDatabase db;
  const std::string four = "r0__r1__r2__r3__";  // four 4-byte records
  db.WriteFile("DORV21", four);
  ASSERT_TRUE(RewriteFile("DORV21", 4, [](const unsigned char*, long) { return true; }));
  EXPECT_EQ(db.ReadFile("DORV21"), four);
  ASSERT_TRUE(RewriteFile("DORV21", 4, [](const unsigned char*, long) { return false; }));
  EXPECT_TRUE(db.Exists("DORV21"));
  EXPECT_EQ(db.ReadFile("DORV21"), "");

  db.WriteFile("~PTEMP~.DAT", "stale scratch contents from a crash");
  db.WriteFile("DORV22", four + "xy");
  ASSERT_TRUE(RewriteFile("DORV22", 4, [](const unsigned char*, long i) { return i % 2 == 1; }));
  EXPECT_EQ(db.ReadFile("DORV22"), "r1__r3__");
  EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));
  EXPECT_FALSE(RewriteFile("DORV23", 4, [](const unsigned char*, long) { return true; }));
  EXPECT_FALSE(db.Exists("DORV23") || db.Exists("~PTEMP~.DAT"));
}
