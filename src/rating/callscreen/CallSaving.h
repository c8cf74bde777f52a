#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MemoCounter.h"
#include "data/PdbFiles.h"

namespace dorv::rating {

// What went wrong while saving, in the order it happened; each becomes one message.
enum class SaveProblem {
  CallLogAccess,   // a month's log could not be opened, written or rewritten
  MemoNewFile,     // the memo could not go into the memo file named by `number`
  EntryWriteBack,  // the entry with its new memo file number could not be written back
  MemoAccess,      // a logged call's memo files could not be opened
  MemoNotSaved,    // a logged call's new memo could not be added; its old memo is kept
  OldMemoLeft,     // a logged call's old memo could not be removed after the new one was added
};
struct Problem {
  SaveProblem problem;
  std::uint32_t number = 0;
  bool operator==(const Problem&) const = default;
};
struct SaveReport {
  bool saved = false;
  std::vector<Problem> problems;
};

// The files a saving touches.
struct CallStores {
  data::PdbFiles& pdb;
  data::CallLogFile& callLog;
  data::MemoCounterStore& memoCounter;
};

// Where a book entry lives.
struct EntryPlace {
  data::PdbKind kind;
  long position;
};

// Where a logged call was read from.
struct LoggedCall {
  long index;
  int month;  // 1..12
  int year;
};

// Stores the memo of a new call under the call's start in the entry's memo files, giving the
// entry memo files (and writing it back) when it has none or its own cannot be opened.
// record.memoFileNumber becomes the entry's. A memo failure never stops the call.
void SaveNewCallMemo(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                     data::CallLogRecord& record, const std::string& memo,
                     std::vector<Problem>& problems);

// Appends a finished new call to the log of its start's month (made when missing), with its
// memo. Nothing is appended when the month's log cannot be opened.
SaveReport SaveNewCall(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                       data::CallLogRecord& record, const std::string& memo);

// Adds the memo under the new key, and only then removes the old one (when there was one),
// so that a failure loses neither. False when the new memo could not be added.
bool RewriteMemo(data::PdbFiles& pdb, std::uint32_t number, std::uint32_t oldKey, bool hadOld,
                 std::uint32_t newKey, const std::string& memo, std::vector<Problem>& problems);

// Moves a logged call into another month: appended to the new month first, then removed from
// the old one; when that removal fails the copy is taken out of the new month again. The call
// is in at least one of the files at every moment.
bool MoveCall(data::CallLogFile& log, const LoggedCall& from, int toMonth, int toYear,
              const data::CallLogRecord& record);

// Writes a reopened call back: in place when its start stays in the month of its log,
// otherwise moved into the log of the new month. The memo is rewritten first.
SaveReport SaveReopenedCall(CallStores stores, const LoggedCall& from, std::uint32_t oldKey,
                            bool hadOldMemo, const data::CallLogRecord& record,
                            const std::string& memo);

}  // namespace dorv::rating
