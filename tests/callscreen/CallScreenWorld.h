#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "support/FakeMemoCounter.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"
#include "rating/callscreen/CallSaving.h"
#include "support/RatingSupport.h"

namespace dorv::test {

// A local time (the tests run with TZ fixed to UTC).
using rating::test::LocalTime;

// Three bands at 20/10, 10/5 and 5/2 cents per 60 seconds: "Day" on weekdays 8 to 17,
// "Evening" on weekdays 17 to 23, "Weekend" all Saturday and Sunday. Weekday nights from 23
// to 8 have no band.
data::PdbRecord MakeEntry();

// A temporary database with three books (the entry at position 0 of the Toll book), the
// memo store's counter, the call log and the user's settings.
class CallScreenWorld {
 public:
  CallScreenWorld();

  rating::CallStores Stores() { return {pdb, callLog, counter}; }
  std::vector<data::CallLogRecord> Calls(int month, int year);
  std::string LogBytes(int month, int year) const;
  // A logged call of the entry appended to its month, with its memo under its start.
  data::CallLogRecord LogCall(std::time_t start, std::uint32_t duration, const std::string& memo);
  std::string MemoOf(std::uint32_t number, std::uint32_t key);

  TempDatabase db;
  FakeMemoCounter counter;
  RecordingNotices notices;
  data::PdbFiles pdb;
  data::CallLogFile callLog{notices};
  data::MyInfo myInfo{};
  data::PdbRecord entry{};
  rating::EntryPlace place{data::PdbKind::Toll, 0};
};

}  // namespace dorv::test
