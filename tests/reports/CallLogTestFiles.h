#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cli/ReportWorld.h"
#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "reports/CallReports.h"
#include "support/Builders.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"

namespace dorv::test {

// 1 January 1999, 00:00:00 UTC.
inline constexpr std::int32_t kJan1st1999 = 915148800;
using report_world::kDec1st1998;

// The call report files over a fresh data directory, and ways to fill it.
struct CallLogTestFiles {
  TempDatabase db;
  RecordingNotices notices;
  data::CallLogFile callLog{notices};
  data::CallLogRecord currentCall{};
  data::PdbFiles pdb;
  data::MyInfo myInfo{};

  CallLogTestFiles() {
    data::ClearMyInfo(myInfo);
    data::WriteField(myInfo.country, "UNITED STATES");
  }
  reports::CallReportFiles Files() { return {callLog, currentCall, pdb, myInfo}; }

  // Writes the reports' database (see ReportWorld.h) and takes its settings.
  void WriteReportFiles() {
    WriteReportDatabase(db);
    std::memcpy(&myInfo, db.ReadFile("MYINFO.BIN").data(), sizeof myInfo);
  }
  // Writes a month's log, e.g. "December1998", holding the calls in order.
  void WriteMonth(const std::string& monthYear, const std::vector<data::CallLogRecord>& calls) {
    db.WriteFile("LOG/" + monthYear + ".LOG", test::RecordBytes(calls));
  }
  // Creates the memo files of the number (when missing) and stores a memo under the key.
  bool AddMemo(std::uint32_t number, std::uint32_t key, const std::string& text) {
    const std::string name = "MEMO/" + std::to_string(number);
    if (!db.Exists(name + ".MMO")) db.WriteFile(name + ".MMO", "");
    if (!db.Exists(name + ".INX")) db.WriteFile(name + ".INX", "");
    if (!pdb.OpenMemoFiles(number)) return false;
    const bool added = pdb.AddMemo(text, key);
    pdb.CloseMemoFiles();
    return added;
  }
  // The memo stored under the key, or nothing.
  bool ReadMemo(std::uint32_t number, std::uint32_t key, std::string& text) {
    if (!pdb.OpenMemoFiles(number)) return false;
    const bool found = pdb.ReadMemoByKey(key, text);
    pdb.CloseMemoFiles();
    return found;
  }
};

}  // namespace dorv::test
