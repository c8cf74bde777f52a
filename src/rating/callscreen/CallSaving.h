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
  MemoFolderMissing,  // DATABASE/MEMO is gone: the call's memo could not be stored anywhere
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

// The first second from start on that keys no memo of a memo file, so that no two calls of
// one entry share a memo.
std::uint32_t FreeMemoKey(const std::vector<std::uint32_t>& taken, std::uint32_t start);

// Stores the memo of a new call under the call's start in the entry's memo files, giving the
// entry memo files (and writing it back) when it has none or its own cannot be opened.
// record.memoFileNumber names the files that hold the memo. A memo failure never stops the
// call. True when the memo was added.
bool SaveNewCallMemo(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                     data::CallLogRecord& record, const std::string& memo,
                     std::vector<Problem>& problems);

// Appends a finished new call to the log of its start's month (made when missing), with its
// memo; the start moves on to a free memo key first. Nothing is kept, the memo included, when
// the month's log cannot be opened or written.
SaveReport SaveNewCall(CallStores stores, data::PdbRecord& entry, EntryPlace place,
                       data::CallLogRecord& record, const std::string& memo);

// Moves a logged call into another month: appended to the new month first, then removed from
// the old one; when that removal fails the copy is taken out of the new month again. The call
// is in at least one of the files at every moment.
bool MoveCall(data::CallLogFile& log, const LoggedCall& from, int toMonth, int toYear,
              const data::CallLogRecord& record);

// Writes a reopened call back: in place when its start stays in the month of its log,
// otherwise moved into the log of the new month, with its memo under its start (moved on to
// a free memo key when the start changed). When the log cannot be written the memo stays as
// it was; an old memo is removed only after its replacement is stored.
SaveReport SaveReopenedCall(CallStores stores, const LoggedCall& from, std::uint32_t oldKey,
                            bool hadOldMemo, data::CallLogRecord& record,
                            const std::string& memo);

}  // namespace dorv::rating
