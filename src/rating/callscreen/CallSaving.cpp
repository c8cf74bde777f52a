#include "rating/callscreen/CallSaving.h"

#include <ctime>

#include "rating/callscreen/CallFields.h"

namespace dorv::rating {
namespace {

// Gives the entry a new pair of memo files and keeps the number in its book.
bool NewMemoFiles(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                  std::uint32_t shownNumber, std::vector<Problem>& problems) {
  std::uint32_t number = 0;
  if (!stores.pdb.CreateMemoFiles(stores.memoCounter, entry, number)) {
    problems.push_back({SaveProblem::MemoNewFile, shownNumber});
    return false;
  }
  if (!stores.pdb.WriteAt(place.position, entry, place.kind)) {
    problems.push_back({SaveProblem::EntryWriteBack});
    return false;
  }
  return true;
}

}  // namespace

void SaveNewCallMemo(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                     data::CallLogRecord& record, const std::string& memo,
                     std::vector<Problem>& problems) {
  const std::uint32_t oldNumber = entry.memoFileNumber;
  bool open = false;
  if (oldNumber == 0) {
    open = NewMemoFiles(stores, entry, place, oldNumber, problems);
  } else if (stores.pdb.OpenMemoFilesOf(entry)) {
    open = true;
  } else {
    // The entry's own files are unreadable: its memos go into a new pair from now on.
    problems.push_back({SaveProblem::MemoNewFile, oldNumber});
    entry.memoFileNumber = 0;
    open = NewMemoFiles(stores, entry, place, oldNumber, problems);
    if (!open) entry.memoFileNumber = oldNumber;
  }
  if (open && !stores.pdb.AddMemo(memo, record.start)) {
    problems.push_back({SaveProblem::MemoNewFile, entry.memoFileNumber});
    if (oldNumber != 0 && entry.memoFileNumber != oldNumber) {
      // The replacement pair holds nothing: the entry goes back to its old number.
      entry.memoFileNumber = oldNumber;
      if (!stores.pdb.WriteAt(place.position, entry, place.kind))
        problems.push_back({SaveProblem::EntryWriteBack});
    }
  }
  stores.pdb.CloseMemoFiles();
  record.memoFileNumber = entry.memoFileNumber;
}

SaveReport SaveNewCall(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                       data::CallLogRecord& record, const std::string& memo) {
  SaveReport report;
  const CallDate date = DateOfTime(record.start);
  if (!stores.callLog.OpenMonthNumber(date.month, date.year, true)) {
    report.problems.push_back({SaveProblem::CallLogAccess});
    return report;
  }
  SaveNewCallMemo(stores, entry, place, record, memo, report.problems);
  report.saved = stores.callLog.AppendRecord(record);
  stores.callLog.Close();
  if (!report.saved) report.problems.push_back({SaveProblem::CallLogAccess});
  return report;
}

bool RewriteMemo(data::PdbFiles& pdb, std::uint32_t number, std::uint32_t oldKey, bool hadOld,
                 std::uint32_t newKey, const std::string& memo, std::vector<Problem>& problems) {
  // A call saved without memo files and without a memo has nothing to rewrite.
  if (number == 0 && memo.empty() && !hadOld) return true;
  if (!pdb.OpenMemoFiles(number)) {
    problems.push_back({SaveProblem::MemoAccess});
    return false;
  }
  const bool added = pdb.AddMemo(memo, newKey);
  pdb.CloseMemoFiles();
  if (!added) {
    problems.push_back({SaveProblem::MemoNotSaved});
    return false;
  }
  // Entries of equal keys keep their order, so with an unchanged key the old one goes first.
  if (hadOld && !pdb.DeleteMemoByKey(oldKey, number))
    problems.push_back({SaveProblem::OldMemoLeft});
  return true;
}

bool MoveCall(data::CallLogFile& log, const LoggedCall& from, int toMonth, int toYear,
              const data::CallLogRecord& record) {
  if (!log.OpenMonthNumber(toMonth, toYear, true)) return false;
  const long copyIndex = log.Count();
  const bool appended = copyIndex >= 0 && log.AppendRecord(record);
  log.Close();
  if (!appended) return false;
  if (log.DeleteRecord(from.index, from.month, from.year)) return true;
  // Two copies are better than none if taking this one back fails too.
  log.DeleteRecord(copyIndex, toMonth, toYear);
  return false;
}

SaveReport SaveReopenedCall(CallStores stores, const LoggedCall& from, std::uint32_t oldKey,
                            bool hadOldMemo, const data::CallLogRecord& record,
                            const std::string& memo) {
  SaveReport report;
  if (!RewriteMemo(stores.pdb, record.memoFileNumber, oldKey, hadOldMemo,
                   record.start, memo, report.problems))
    return report;
  const CallDate date = DateOfTime(record.start);
  if (date.month == from.month && date.year == from.year) {
    data::CallLogFile& log = stores.callLog;
    report.saved = log.OpenMonthNumber(from.month, from.year, false) && from.index >= 0 &&
                   from.index < log.Count() && log.WriteRecord(from.index, record);
    log.Close();
  } else {
    report.saved = MoveCall(stores.callLog, from, date.month, date.year, record);
  }
  if (!report.saved) report.problems.push_back({SaveProblem::CallLogAccess});
  return report;
}

}  // namespace dorv::rating
