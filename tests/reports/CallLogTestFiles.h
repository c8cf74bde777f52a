#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "support/RecordingNotices.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"
#include "reports/CallReports.h"

namespace dorv::test {

// 1 January 1999, 00:00:00 UTC.
inline constexpr std::int32_t kJan1st1999 = 915148800;
// 1 December 1998, 00:00:00 UTC.
inline constexpr std::int32_t kDec1st1998 = 912470400;


// The call report files over a fresh data directory, and ways to fill it.
struct CallLogTestFiles {
  TempDatabase db;
  RecordingNotices notices;
  data::CallLogFile callLog{notices};
  data::CallLogRecord currentCall{};
  data::PdbFiles pdb;
  data::MyInfo myInfo{};

  CallLogTestFiles();
  reports::CallReportFiles Files() { return {callLog, currentCall, pdb, myInfo}; }

  // Writes a month's log, e.g. "December1998", holding the calls in order.
  void WriteMonth(const std::string& monthYear, const std::vector<data::CallLogRecord>& calls);
  std::vector<data::CallLogRecord> ReadMonth(const std::string& monthYear);
  // Creates the memo files of the number (when missing) and stores a memo under the key.
  bool AddMemo(std::uint32_t number, std::uint32_t key, const std::string& text);
  // The memo stored under the key, or nothing.
  bool ReadMemo(std::uint32_t number, std::uint32_t key, std::string& text);
};

}  // namespace dorv::test
