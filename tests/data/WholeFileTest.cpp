#include <gtest/gtest.h>

#include "data/Rewrite.h"
#include "data/WholeFile.h"
#include "support/FaultInjector.h"
#include "support/TempDatabase.h"

using namespace dorv;
using data::RewriteFile;

// A write that fails at any step leaves the old file whole and no scratch file beside it.
TEST(WholeFile, AFailedWriteLeavesTheOldFileAndNoScratch) {
  struct Row { test::FailingCall call; test::Failure failure; };
  const Row rows[] = {{test::FailingCall::Open, test::Failure::Once},
                      {test::FailingCall::Write, test::Failure::HalfThenSticky},
                      {test::FailingCall::Fsync, test::Failure::Once},
                      {test::FailingCall::Rename, test::Failure::Once}};
  for (const Row& row : rows) {
    SCOPED_TRACE(test::NameOf(row.call));
    test::TempDatabase db;
    db.WriteFile("export.csv", "old\r\n");
    {
      test::FaultInjector fault(row.call, 1, row.failure);
      EXPECT_FALSE(data::WriteWholeFile(db.Path("export.csv"), "new,longer\r\n"));
      EXPECT_TRUE(fault.Fired());
    }
    EXPECT_EQ(test::SnapshotDatabase(),
              (std::map<std::string, std::string>{{"export.csv", "old\r\n"}}));
  }
  test::TempDatabase db;
  EXPECT_TRUE(data::WriteWholeFile(db.Path("export.csv"), "new\r\n"));
  EXPECT_EQ(db.ReadFile("export.csv"), "new\r\n");
}

TEST(RewriteFile, KeepsTheChosenRecordsOverAStaleScratchFileAndDropsAPartialTail) {
  test::TempDatabase db;
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
