#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "callscreen/CallScreenWorld.h"
#include "data/FixedText.h"
#include "rating/callscreen/CallFinish.h"
#include "rating/callscreen/CallSaving.h"

using namespace dorv;
using namespace dorv::rating;
using dorv::test::LocalTime;

namespace {

class CallSavingTest : public ::testing::Test {
 protected:
  data::CallLogRecord NewCall(std::time_t start) {
    FinishedCall finished;
    finished.duration = 90;
    finished.charge = 30.0;
    finished.start = static_cast<std::uint32_t>(start);
    data::CallLogRecord call{};
    data::ClearCallRecord(call, true);
    FillNewCall(call, w.entry, finished);
    return call;
  }
  data::PdbRecord EntryInBook() {
    data::PdbRecord stored{};
    EXPECT_TRUE(w.pdb.ReadAt(0, stored, data::PdbKind::Toll));
    return stored;
  }

  dorv::test::CallScreenWorld w;
  const std::time_t m_march = LocalTime(2026, 3, 4, 10, 0);
};

TEST(CallSaving, AStartTakenByAMemoMovesOnToTheNextFreeSecond) {
  EXPECT_EQ(FreeMemoKey({99, 101}, 100), 100u);
  EXPECT_EQ(FreeMemoKey({0, 100}, 100), 101u);
  EXPECT_EQ(FreeMemoKey({102, 100, 101}, 100), 103u);
}

TEST_F(CallSavingTest, TheFirstCallMakesMemoFilesAndWritesTheEntryBack) {
  data::CallLogRecord call = NewCall(m_march);
  SaveReport report = SaveNewCall(w.Stores(), w.entry, w.place, call, "Talked about the trip");
  EXPECT_TRUE(report.saved);
  EXPECT_TRUE(report.problems.empty());
  EXPECT_EQ(w.entry.memoFileNumber, 1u);
  EXPECT_EQ(EntryInBook().memoFileNumber, 1u);
  EXPECT_EQ(w.MemoOf(1, call.start), "Talked about the trip");
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].memoFileNumber, 1u);
  EXPECT_EQ(w.notices.shown.size(), 1u);

  data::CallLogRecord second = NewCall(m_march + 3600);
  EXPECT_TRUE(SaveNewCall(w.Stores(), w.entry, w.place, second, "Again").saved);
  EXPECT_EQ(w.Calls(3, 2026).size(), 2u);
  EXPECT_EQ(w.notices.shown.size(), 1u) << "the month's file is made once";
  EXPECT_EQ(w.MemoOf(1, second.start), "Again");
  EXPECT_EQ(w.counter.value, 2u) << "the second call used the entry's files";
}

TEST_F(CallSavingTest, CallsAfter2038AreLoggedInTheirMonthAfterEarlierOnes) {
  w.LogCall(LocalTime(2037, 12, 31, 23, 0), 60, "before");
  const data::CallLogRecord later = w.LogCall(LocalTime(2040, 1, 2, 10, 0), 60, "after");
  EXPECT_EQ(data::ListLogMonths(), (std::vector<data::LogMonth>{{12, 2037}, {1, 2040}}));
  auto calls = w.Calls(1, 2040);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].start, LocalTime(2040, 1, 2, 10, 0));
  EXPECT_EQ(w.MemoOf(1, later.start), "after");
}

TEST_F(CallSavingTest, AnUnreadableMemoFileIsReplacedAndTheCallStillSaved) {
  w.entry.memoFileNumber = 7;  // no such files
  data::CallLogRecord call = NewCall(m_march);
  SaveReport report = SaveNewCall(w.Stores(), w.entry, w.place, call, "Memo");
  EXPECT_TRUE(report.saved);
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0], (Problem{SaveProblem::MemoNewFile, 7}));
  EXPECT_EQ(w.entry.memoFileNumber, 1u);
  EXPECT_EQ(EntryInBook().memoFileNumber, 1u);
  EXPECT_EQ(w.Calls(3, 2026).at(0).memoFileNumber, 1u);
  EXPECT_EQ(w.MemoOf(1, call.start), "Memo");
}

TEST_F(CallSavingTest, WhenNoNumberCanBeAllocatedTheEntryKeepsItsOldOne) {
  w.entry.memoFileNumber = 7;
  w.counter.failOpen = true;
  data::CallLogRecord call = NewCall(m_march);
  SaveReport report = SaveNewCall(w.Stores(), w.entry, w.place, call, "Memo");
  EXPECT_TRUE(report.saved) << "a memo failure never blocks the call";
  EXPECT_EQ(w.entry.memoFileNumber, 7u);
  EXPECT_EQ(w.Calls(3, 2026).at(0).memoFileNumber, 7u);
  EXPECT_EQ(report.problems, (std::vector<Problem>{{SaveProblem::MemoNewFile, 7},
                                                   {SaveProblem::MemoNewFile, 7}}));
}

TEST_F(CallSavingTest, AMissingMemoFolderIsNamedAndCostsNoMemoFileNumber) {
  w.entry.memoFileNumber = 7;
  const auto counterBefore = w.counter.value;
  ASSERT_EQ(::rmdir(w.db.Path("MEMO").c_str()), 0);
  data::CallLogRecord call = NewCall(m_march);
  SaveReport report = SaveNewCall(w.Stores(), w.entry, w.place, call, "Memo");
  EXPECT_TRUE(report.saved);
  EXPECT_EQ(report.problems, (std::vector<Problem>{{SaveProblem::MemoFolderMissing}}));
  EXPECT_EQ(w.entry.memoFileNumber, 7u);
  EXPECT_EQ(w.Calls(3, 2026).at(0).memoFileNumber, 7u);
  EXPECT_EQ(w.counter.value, counterBefore);
}

TEST_F(CallSavingTest, WithoutAccessToTheLogNothingIsSaved) {
  ASSERT_EQ(::rmdir(w.db.Path("LOG").c_str()), 0);
  data::CallLogRecord call = NewCall(m_march);
  SaveReport report = SaveNewCall(w.Stores(), w.entry, w.place, call, "Memo");
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(report.problems, (std::vector<Problem>{{SaveProblem::CallLogAccess}}));
  EXPECT_EQ(w.entry.memoFileNumber, 0u) << "no memo files for a call that was not saved";
}

TEST_F(CallSavingTest, AReopenedCallIsRewrittenInPlaceWithItsMemoUnderTheNewStart) {
  w.LogCall(m_march, 60, "first");
  data::CallLogRecord call = w.LogCall(m_march + 7200, 60, "second");
  const std::uint32_t oldKey = call.start;
  call.start += 600;
  call.duration = 300;
  SaveReport report =
      SaveReopenedCall(w.Stores(), {1, 3, 2026}, oldKey, true, call, "second, corrected");
  EXPECT_TRUE(report.saved);
  EXPECT_TRUE(report.problems.empty());
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].duration, 60u);
  EXPECT_EQ(calls[1].duration, 300u);
  EXPECT_EQ(w.MemoOf(1, call.start), "second, corrected");
  EXPECT_EQ(w.MemoOf(1, oldKey), "<none>");
  EXPECT_EQ(w.MemoOf(1, m_march), "first");
}

TEST_F(CallSavingTest, AnUnchangedStartKeepsOnlyTheNewMemo) {
  data::CallLogRecord call = w.LogCall(m_march, 60, "old text");
  SaveReport report = SaveReopenedCall(w.Stores(), {0, 3, 2026}, call.start, true, call, "new");
  EXPECT_TRUE(report.saved);
  EXPECT_EQ(w.MemoOf(1, call.start), "new");
  ASSERT_TRUE(w.pdb.OpenMemoFiles(1));
  EXPECT_EQ(w.pdb.ScanIndex(), 2);
  std::string text;
  bool first = false, last = false;
  std::uint32_t key = 0;
  ASSERT_TRUE(w.pdb.ReadMemoAt(0, text, first, last, key));
  EXPECT_EQ(key, 0u) << "the old entry is the deleted one";
  w.pdb.CloseMemoFiles();
}

TEST_F(CallSavingTest, AFailedRemovalTakesTheMovedCopyBackOut) {
  data::CallLogRecord call = w.LogCall(LocalTime(2026, 4, 1, 9, 0), 60, "already there");
  ASSERT_EQ(w.Calls(4, 2026).size(), 1u);
  // The old month's file cannot be rewritten: it is gone.
  call.start = static_cast<std::uint32_t>(LocalTime(2026, 4, 2, 10, 0));
  EXPECT_FALSE(MoveCall(w.callLog, {0, 3, 2026}, 4, 2026, call));
  auto april = w.Calls(4, 2026);
  ASSERT_EQ(april.size(), 1u) << "the copy was taken back out";
  EXPECT_NE(april[0].start, call.start);
}

TEST_F(CallSavingTest, AMemoThatCannotBeAddedKeepsTheOldMemoAndTheLogUntouched) {
  data::CallLogRecord call = w.LogCall(m_march, 60, "old memo");
  const std::string before = w.LogBytes(3, 2026);
  const std::uint32_t oldKey = call.start;
  call.start += 600;
  // The index file refuses writes.
  ASSERT_EQ(std::remove(w.db.Path("MEMO/1.INX").c_str()), 0);
  ASSERT_EQ(::mkdir(w.db.Path("MEMO/1.INX").c_str(), 0700), 0);
  SaveReport report = SaveReopenedCall(w.Stores(), {0, 3, 2026}, oldKey, true, call, "new");
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(report.problems, (std::vector<Problem>{{SaveProblem::MemoAccess}}));
  EXPECT_EQ(w.LogBytes(3, 2026), before);
}

TEST_F(CallSavingTest, AnIndexPastTheEndOfTheMonthIsNotWritten) {
  data::CallLogRecord call = w.LogCall(m_march, 60, "memo");
  const std::string before = w.LogBytes(3, 2026);
  SaveReport report = SaveReopenedCall(w.Stores(), {5, 3, 2026}, call.start, true, call, "memo");
  EXPECT_FALSE(report.saved);
  EXPECT_EQ(report.problems, (std::vector<Problem>{{SaveProblem::CallLogAccess}}));
  EXPECT_EQ(w.LogBytes(3, 2026), before);
}

TEST_F(CallSavingTest, AMemoStaysWhereTheCallFindsItWhenTheEntryCannotBeWrittenBack) {
  data::CallLogRecord call = NewCall(m_march);
  const EntryPlace refused{data::PdbKind::Toll, -1};  // the book takes no write there
  SaveReport report = SaveNewCall(w.Stores(), w.entry, refused, call, "Memo");
  EXPECT_TRUE(report.saved);
  EXPECT_EQ(report.problems, (std::vector<Problem>{{SaveProblem::EntryWriteBack}}));
  EXPECT_EQ(w.MemoOf(w.Calls(3, 2026).at(0).memoFileNumber, call.start), "Memo");
}

TEST_F(CallSavingTest, AFailedLogWriteLeavesAMovedCallsMemoWhereItWas) {
  data::CallLogRecord call = w.LogCall(m_march, 60, "old memo");
  const std::uint32_t oldKey = call.start;
  call.start += 600;
  const std::string log = w.db.Path("LOG/March2026.LOG");
  ASSERT_EQ(std::remove(log.c_str()), 0);
  ASSERT_EQ(::mkdir(log.c_str(), 0700), 0);  // the month's log cannot be opened
  EXPECT_FALSE(SaveReopenedCall(w.Stores(), {0, 3, 2026}, oldKey, true, call, "new").saved);
  EXPECT_EQ(w.MemoOf(1, oldKey), "old memo");
  EXPECT_EQ(w.MemoOf(1, call.start), "<none>");
}

TEST_F(CallSavingTest, CallsOfOneEntryNeverShareAMemoKey) {
  w.LogCall(m_march, 60, "first");
  data::CallLogRecord second = NewCall(m_march);
  ASSERT_TRUE(SaveNewCall(w.Stores(), w.entry, w.place, second, "second").saved);
  data::CallLogRecord third = w.LogCall(m_march + 600, 60, "third");
  const std::uint32_t thirdKey = third.start;
  third.start = static_cast<std::uint32_t>(m_march);  // moved onto the first two
  ASSERT_TRUE(SaveReopenedCall(w.Stores(), {2, 3, 2026}, thirdKey, true, third, "third").saved);
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1].start, m_march + 1);
  EXPECT_EQ(calls[2].start, m_march + 2);
  EXPECT_EQ(w.MemoOf(1, m_march), "first");
  EXPECT_EQ(w.MemoOf(1, m_march + 1), "second");
  EXPECT_EQ(w.MemoOf(1, m_march + 2), "third");
}

}  // namespace
