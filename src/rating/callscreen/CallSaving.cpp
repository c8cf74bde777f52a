#include "rating/callscreen/CallSaving.h"

#include <algorithm>
#include <ctime>

#include "rating/callscreen/CallFields.h"

namespace dorv::rating {
namespace {

// Gives the entry a new pair of memo files, left open, and keeps the number in its book.
// False when no pair could be made; `written` says whether the book took the number.
bool NewMemoFiles(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                  std::uint32_t shownNumber, std::vector<Problem>& problems, bool& written) {
  std::uint32_t number = 0;
  if (!stores.pdb.CreateMemoFiles(stores.memoCounter, entry, number)) {
    problems.push_back({SaveProblem::MemoNewFile, shownNumber});
    return false;
  }
  written = stores.pdb.WriteAt(place.position, entry, place.kind);
  if (!written) problems.push_back({SaveProblem::EntryWriteBack});
  return true;
}

bool AddMemoTo(data::PdbFiles& pdb, std::uint32_t number, const std::string& memo,
               std::uint32_t key) {
  const bool added = pdb.OpenMemoFiles(number) && pdb.AddMemo(memo, key);
  pdb.CloseMemoFiles();
  return added;
}

// Writes a logged call back: in place when its start stays in the month of its log,
// otherwise moved into the log of the new month.
bool WriteLoggedCall(data::CallLogFile& log, const LoggedCall& from,
                     const data::CallLogRecord& record) {
  const CallDate date = DateOfTime(record.start);
  if (date.month != from.month || date.year != from.year)
    return MoveCall(log, from, date.month, date.year, record);
  const bool written = log.OpenMonthNumber(from.month, from.year, false) && from.index >= 0 &&
                       from.index < log.Count() && log.WriteRecord(from.index, record);
  log.Close();
  return written;
}

}  // namespace

std::uint32_t FreeMemoKey(const std::vector<std::uint32_t>& taken, std::uint32_t start) {
  while (std::find(taken.begin(), taken.end(), start) != taken.end()) ++start;
  return start;
}

bool SaveNewCallMemo(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                     data::CallLogRecord& record, const std::string& memo,
                     std::vector<Problem>& problems) {
  const std::uint32_t oldNumber = entry.memoFileNumber;
  if (!data::MemoFolderPresent()) {
    // Nothing is lost yet: the entry keeps its number for when the folder is back.
    problems.push_back({SaveProblem::MemoFolderMissing});
    record.memoFileNumber = oldNumber;
    return false;
  }
  bool open = oldNumber != 0 && stores.pdb.OpenMemoFilesOf(entry);
  bool written = true;
  if (!open) {
    // No files yet, or the entry's own are unreadable: its memos go into a new pair.
    if (oldNumber != 0) problems.push_back({SaveProblem::MemoNewFile, oldNumber});
    entry.memoFileNumber = 0;
    open = NewMemoFiles(stores, entry, place, oldNumber, problems, written);
  }
  const std::uint32_t number = open ? entry.memoFileNumber : oldNumber;
  const bool added = open && stores.pdb.AddMemo(memo, record.start);
  if (open && !added) problems.push_back({SaveProblem::MemoNewFile, number});
  stores.pdb.CloseMemoFiles();
  if (oldNumber != 0 && number != oldNumber && !(added && written)) {
    // The replacement pair did not work out: the entry goes back to its old number.
    entry.memoFileNumber = oldNumber;
    if (written && !stores.pdb.WriteAt(place.position, entry, place.kind))
      problems.push_back({SaveProblem::EntryWriteBack});
  }
  if (!open) entry.memoFileNumber = oldNumber;
  // The call points at its memo even when the book did not take the entry's new number.
  record.memoFileNumber = added ? number : entry.memoFileNumber;
  return added;
}

SaveReport SaveNewCall(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                       data::CallLogRecord& record, const std::string& memo) {
  SaveReport report;
  if (stores.pdb.OpenMemoFilesOf(entry)) {
    record.start = FreeMemoKey(stores.pdb.MemoKeys(), record.start);
    stores.pdb.CloseMemoFiles();
  }
  const CallDate date = DateOfTime(record.start);
  if (!stores.callLog.OpenMonthNumber(date.month, date.year, true)) {
    report.problems.push_back({SaveProblem::CallLogAccess});
    return report;
  }
  const bool memoAdded = SaveNewCallMemo(stores, entry, place, record, memo, report.problems);
  report.saved = stores.callLog.AppendRecord(record);
  stores.callLog.Close();
  if (!report.saved) {
    report.problems.push_back({SaveProblem::CallLogAccess});
    // The memo belongs to the call: a second try stores it again.
    if (memoAdded)
      stores.pdb.DeleteMemoByKey(record.start, record.memoFileNumber);
  }
  return report;
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
                            bool hadOldMemo, data::CallLogRecord& record,
                            const std::string& memo) {
  SaveReport report;
  data::PdbFiles& pdb = stores.pdb;
  const std::uint32_t number = record.memoFileNumber;
  // A call saved without memo files and without a memo has no memo to write.
  const bool withMemo = number != 0 || !memo.empty() || hadOldMemo;
  std::vector<std::uint32_t> keys;
  if (withMemo) {
    if (!pdb.OpenMemoFiles(number)) {
      report.problems.push_back({SaveProblem::MemoAccess});
      return report;
    }
    keys = pdb.MemoKeys();
    pdb.CloseMemoFiles();
  }
  // A memo that moves to a new key is added before the log changes and taken back when the
  // log cannot be written; one that keeps its key is replaced once the log is written.
  const bool moves = withMemo && record.start != oldKey;
  std::uint32_t key = record.start;
  if (moves) {
    key = FreeMemoKey(keys, key);
    record.start = key;
    if (!AddMemoTo(pdb, number, memo, key)) {
      report.problems.push_back({SaveProblem::MemoNotSaved});
      return report;
    }
  }
  report.saved = WriteLoggedCall(stores.callLog, from, record);
  if (!report.saved) {
    report.problems.push_back({SaveProblem::CallLogAccess});
    if (moves) pdb.DeleteMemoByKey(key, number);
    return report;
  }
  if (!withMemo) return report;
  if (!moves && !AddMemoTo(pdb, number, memo, key)) {
    report.problems.push_back({SaveProblem::MemoNotSaved});
    return report;
  }
  // Entries of equal keys keep their order, so with an unchanged key the old one goes first.
  if (hadOldMemo && !pdb.DeleteMemoByKey(oldKey, number))
    report.problems.push_back({SaveProblem::OldMemoLeft});
  return report;
}

}  // namespace dorv::rating
