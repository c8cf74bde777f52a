#include <gtest/gtest.h>

#include <sys/stat.h>

#include "data/Rewrite.h"
#include "data/TempDatabase.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

namespace {

// Four 4-byte records "r0__" .. "r3__".
std::string FourRecords() { return "r0__r1__r2__r3__"; }

bool KeepOdd(const unsigned char*, long index) { return index % 2 == 1; }

}  // namespace

TEST(RewriteFile, KeepsChosenRecordsInOrder) {
  TempDatabase db;
  db.WriteFile("LOG/December1998.LOG", FourRecords());
  ASSERT_TRUE(RewriteFile("LOG/December1998.LOG", 4, KeepOdd));
  EXPECT_EQ(db.ReadFile("LOG/December1998.LOG"), "r1__r3__");
  EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));
}

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

TEST(RewriteFile, UnusableScratchFileLeavesTheTargetAsItWas) {
  TempDatabase db;
  db.WriteFile("DORV21", FourRecords());
  // A directory in the scratch file's place makes creating the scratch file fail.
  ASSERT_EQ(::mkdir(db.Path("~PTEMP~.DAT").c_str(), 0700), 0);
  EXPECT_FALSE(RewriteFile("DORV21", 4, KeepOdd));
  EXPECT_EQ(db.ReadFile("DORV21"), FourRecords());
}

namespace {

// Failing stand-ins for the calls a rewrite makes; the countdown lets the first calls through.
int g_callsBeforeFailure = 0;
ssize_t FailingWrite(int fd, const void* data, std::size_t size) {
  if (g_callsBeforeFailure-- <= 0) return -1;
  return ::write(fd, data, size);
}
ssize_t ShortWrite(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size > 1 ? size / 2 : size) > 0 ? 0 : -1;
}
int FailingFsync(int) { return -1; }
int FailingRename(const char*, const char*) { return -1; }

}  // namespace

TEST(RewriteFile, AnInterruptedRewriteLeavesTheOriginalIntact) {
  // A month of 2000 records spans several blocks, so a failure can hit after some were written.
  std::string original;
  for (int i = 0; i < 2000; ++i) original += "r" + std::to_string(i % 10) + "__";
  struct Fault {
    const char* name;
    RewriteCalls calls;
    int callsBefore;
  };
  RewriteCalls failFirstWrite, failLaterWrite, shortWrite, failFsync, failRename;
  failFirstWrite.write = FailingWrite;
  failLaterWrite.write = FailingWrite;
  shortWrite.write = ShortWrite;
  failFsync.fsync = FailingFsync;
  failRename.rename = FailingRename;
  const Fault faults[] = {{"first write", failFirstWrite, 0},
                          {"a later write", failLaterWrite, 2},
                          {"short write", shortWrite, 0},
                          {"fsync", failFsync, 0},
                          {"rename", failRename, 0}};
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    TempDatabase db;
    db.WriteFile("LOG/May2001.LOG", original);
    g_callsBeforeFailure = fault.callsBefore;
    EXPECT_FALSE(RewriteFile("LOG/May2001.LOG", 4, KeepOdd, fault.calls));
    EXPECT_EQ(db.ReadFile("LOG/May2001.LOG"), original);
    EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));
  }
}
