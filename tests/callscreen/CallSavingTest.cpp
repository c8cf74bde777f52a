#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "callscreen/CallScreenWorld.h"
#include "rating/callscreen/CallSaving.h"

using namespace dorv;
using namespace dorv::rating;
using dorv::test::LocalTime;
using Problems = std::vector<Problem>;

namespace {

class CallSavingTest : public ::testing::Test {
 protected:
  // A logged call of March moved ten minutes on and saved again with the memo "new".
  SaveReport MoveOnAndSave(data::CallLogRecord& call, long index = 0) {
    const std::uint32_t oldKey = call.start;
    call.start += 600;
    return SaveReopenedCall(w.Stores(), {index, 3, 2026}, oldKey, true, call, "new");
  }

  dorv::test::CallScreenWorld w;
  const std::time_t m_march = LocalTime(2026, 3, 4, 10, 0);
};

TEST(CallSaving, AStartTakenByAMemoMovesOnToTheNextFreeSecond) {
  EXPECT_EQ(FreeMemoKey({99, 101}, 100), 100u);
  EXPECT_EQ(FreeMemoKey({102, 100, 101}, 100), 103u);
}

// The first call makes the entry's memo files and writes the entry back; later calls use them,
// and no two calls of the entry share a memo key, also when a reopened call moves onto others.
TEST_F(CallSavingTest, CallsOfOneEntryShareItsMemoFilesButNeverAMemoKey) {
  data::CallLogRecord first = w.NewCall(m_march);
  EXPECT_TRUE(
      SaveNewCall(w.Stores(), w.entry, w.place, first, "Talked about the trip").problems.empty());
  data::PdbRecord stored{};
  ASSERT_TRUE(w.pdb.ReadAt(0, stored, data::PdbKind::Toll));
  EXPECT_EQ(stored.memoFileNumber, 1u);
  EXPECT_EQ(w.Calls(3, 2026).at(0).memoFileNumber, 1u);
  data::CallLogRecord second = w.NewCall(m_march);
  ASSERT_TRUE(SaveNewCall(w.Stores(), w.entry, w.place, second, "second").saved);
  EXPECT_EQ(w.notices.shown.size(), 1u) << "the month's file is made once";
  data::CallLogRecord third = w.LogCall(m_march + 600, 60, "third");
  const std::uint32_t thirdKey = third.start;
  third.start = static_cast<std::uint32_t>(m_march);  // moved onto the first two
  ASSERT_TRUE(SaveReopenedCall(w.Stores(), {2, 3, 2026}, thirdKey, true, third, "third").saved);
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1].start, m_march + 1);
  EXPECT_EQ(calls[2].start, m_march + 2);
  EXPECT_EQ(w.MemoOf(1, m_march), "Talked about the trip");
  EXPECT_EQ(w.MemoOf(1, m_march + 1), "second");
  EXPECT_EQ(w.MemoOf(1, m_march + 2), "third");
}

TEST_F(CallSavingTest, CallsAfter2038AreLoggedInTheirMonthAfterEarlierOnes) {
  w.LogCall(LocalTime(2037, 12, 31, 23, 0), 60, "before");
  const data::CallLogRecord later = w.LogCall(LocalTime(2040, 1, 2, 10, 0), 60, "after");
  EXPECT_EQ(data::ListLogMonths(), (std::vector<data::LogMonth>{{12, 2037}, {1, 2040}}));
  EXPECT_EQ(w.Calls(1, 2040).at(0).start, LocalTime(2040, 1, 2, 10, 0));
  EXPECT_EQ(w.MemoOf(1, later.start), "after");
}

// A memo problem never blocks a new call; the entry and the call name the same memo files.
// Without access to the log nothing is saved and no memo files are made.
TEST(CallSaving, ProblemsOfANewCallAreReportedAndOnlyALogProblemLeavesItUnsaved) {
  struct Row {
    const char* name;
    std::function<void(dorv::test::CallScreenWorld&, EntryPlace&)> fault;
    Problems problems;
    std::uint32_t number;  // the memo files the entry and the call end with
    bool saved = true;
  };
  const Row rows[] = {
      {"unreadable memo file is replaced", [](auto&, auto&) {}, {{SaveProblem::MemoNewFile, 7}}, 1},
      {"no number to allocate", [](auto& w, auto&) { w.counter.failOpen = true; },
       {{SaveProblem::MemoNewFile, 7}, {SaveProblem::MemoNewFile, 7}}, 7},
      {"memo folder missing costs no number",
       [](auto& w, auto&) { ASSERT_EQ(::rmdir(w.db.Path("MEMO").c_str()), 0); },
       {{SaveProblem::MemoFolderMissing}}, 7},
      {"entry not written back",
       [](auto& w, auto& place) {
         w.entry.memoFileNumber = 0;
         place.position = -1;
       },
       {{SaveProblem::EntryWriteBack}}, 1},
      {"no access to the log",
       [](auto& w, auto&) { ASSERT_EQ(::rmdir(w.db.Path("LOG").c_str()), 0); },
       {{SaveProblem::CallLogAccess}}, 7, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    dorv::test::CallScreenWorld w;
    w.entry.memoFileNumber = 7;  // no such files
    EntryPlace place = w.place;
    row.fault(w, place);
    const auto counterBefore = w.counter.value;
    data::CallLogRecord call = w.NewCall(LocalTime(2026, 3, 4, 10, 0));
    const SaveReport report = SaveNewCall(w.Stores(), w.entry, place, call, "Memo");
    EXPECT_EQ(report.saved, row.saved);
    EXPECT_EQ(report.problems, row.problems);
    EXPECT_EQ(w.entry.memoFileNumber, row.number);
    if (row.saved) {
      EXPECT_EQ(w.Calls(3, 2026).at(0).memoFileNumber, row.number);
    }
    if (row.number == 1) {
      EXPECT_EQ(w.MemoOf(1, call.start), "Memo");
    } else {
      EXPECT_EQ(w.counter.value, counterBefore);
    }
  }
}

// A reopened call is rewritten in place with its memo under its new start; saved again at the
// same start, its memo is replaced and the old one deleted.
TEST_F(CallSavingTest, AReopenedCallIsRewrittenInPlaceWithOnlyItsNewMemo) {
  data::CallLogRecord first = w.LogCall(m_march, 60, "first");
  data::CallLogRecord call = w.LogCall(m_march + 7200, 60, "second");
  const std::uint32_t oldKey = call.start;
  call.duration = 300;
  EXPECT_TRUE(MoveOnAndSave(call, 1).problems.empty());
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(std::pair(calls[0].duration, calls[1].duration), std::pair(60u, 300u));
  EXPECT_EQ(w.MemoOf(1, call.start), "new");
  EXPECT_EQ(w.MemoOf(1, oldKey), "<none>");
  EXPECT_EQ(w.MemoOf(1, first.start), "first");
  ASSERT_TRUE(SaveReopenedCall(w.Stores(), {0, 3, 2026}, first.start, true, first, "again").saved);
  EXPECT_EQ(w.MemoOf(1, first.start), "again");
  ASSERT_TRUE(w.pdb.OpenMemoFiles(1));
  EXPECT_EQ(w.pdb.ScanIndex(), 4) << "the two old memos, the moved one and the replaced one";
  std::string text;
  bool firstPart = false, lastPart = false;
  std::uint32_t key = 0;
  ASSERT_TRUE(w.pdb.ReadMemoAt(0, text, firstPart, lastPart, key));
  EXPECT_EQ(key, 0u) << "the replaced memo is deleted";
  w.pdb.CloseMemoFiles();
}

TEST_F(CallSavingTest, AReopenedCallThatCannotBeSavedLeavesLogAndMemoAsTheyWere) {
  data::CallLogRecord call = w.LogCall(m_march, 60, "old memo");
  w.LogCall(LocalTime(2026, 4, 1, 9, 0), 60, "in April");
  const std::uint32_t oldKey = call.start;
  const std::string before = w.LogBytes(3, 2026);
  data::CallLogRecord copy = call;
  EXPECT_EQ(MoveOnAndSave(copy, 5).problems, (Problems{{SaveProblem::CallLogAccess}}))
      << "an index past the month's end";
  EXPECT_EQ(w.LogBytes(3, 2026), before);

  const std::string log = w.db.Path("LOG/March2026.LOG");
  ASSERT_EQ(std::rename(log.c_str(), (log + ".kept").c_str()), 0);
  ASSERT_EQ(::mkdir(log.c_str(), 0700), 0);  // the month's log cannot be opened
  copy = call;
  EXPECT_FALSE(MoveOnAndSave(copy).saved);
  EXPECT_EQ(w.MemoOf(1, oldKey), "old memo");
  EXPECT_EQ(w.MemoOf(1, copy.start), "<none>");
  ASSERT_EQ(::rmdir(log.c_str()), 0);
  ASSERT_EQ(std::rename((log + ".kept").c_str(), log.c_str()), 0);

  ASSERT_EQ(std::remove(w.db.Path("MEMO/1.INX").c_str()), 0);
  ASSERT_EQ(::mkdir(w.db.Path("MEMO/1.INX").c_str(), 0700), 0);  // the index refuses writes
  copy = call;
  SaveReport report = MoveOnAndSave(copy);
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(report.problems, (Problems{{SaveProblem::MemoAccess}}));
  EXPECT_EQ(w.LogBytes(3, 2026), before);

  // A move whose removal from the old month fails takes the copy back out of the new one.
  const std::string april = w.LogBytes(4, 2026);
  copy.start = static_cast<std::uint32_t>(LocalTime(2026, 4, 2, 10, 0));
  EXPECT_FALSE(MoveCall(w.callLog, {0, 2, 2026}, 4, 2026, copy)) << "February has no log";
  EXPECT_EQ(w.LogBytes(4, 2026), april);
}

}  // namespace
