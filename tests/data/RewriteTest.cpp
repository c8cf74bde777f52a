#include <gtest/gtest.h>

#include "data/Rewrite.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

namespace {

// Four 4-byte records "r0__" .. "r3__".
std::string FourRecords() { return "r0__r1__r2__r3__"; }

bool KeepOdd(const unsigned char*, long index) { return index % 2 == 1; }

}  // namespace

TEST(RewriteFile, KeepingAllGivesTheSameBytesAndKeepingNoneAnEmptyFile) {
  TempDatabase db;
  db.WriteFile("DORV21", FourRecords());
  ASSERT_TRUE(RewriteFile("DORV21", 4, [](const unsigned char*, long) { return true; }));
  EXPECT_EQ(db.ReadFile("DORV21"), FourRecords());
  ASSERT_TRUE(RewriteFile("DORV21", 4, [](const unsigned char*, long) { return false; }));
  EXPECT_TRUE(db.Exists("DORV21"));
  EXPECT_EQ(db.ReadFile("DORV21"), "");
}

TEST(RewriteFile, LeftOverScratchFileIsOverwrittenAndPartialTailDropped) {
  TempDatabase db;
  db.WriteFile("~PTEMP~.DAT", "stale scratch contents from a crash");
  db.WriteFile("DORV22", FourRecords() + "xy");
  ASSERT_TRUE(RewriteFile("DORV22", 4, KeepOdd));
  EXPECT_EQ(db.ReadFile("DORV22"), "r1__r3__");
  EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));
}

TEST(RewriteFile, MissingTargetFailsAndLeavesNoScratchFile) {
  TempDatabase db;
  EXPECT_FALSE(RewriteFile("DORV23", 4, KeepOdd));
  EXPECT_FALSE(db.Exists("DORV23"));
  EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));
}
