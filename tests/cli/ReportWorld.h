#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/RecurringFile.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"

namespace dorv::test {
namespace report_world {

constexpr std::uint32_t kDec1st1998 = 912470400;  // 00:00:00 UTC
constexpr std::uint32_t kDay = 86400, kHour = 3600;

inline data::CallLogRecord Call(const char* name, std::uint32_t start, std::uint32_t seconds,
                                double cents, const char* suffix = "0100") {
  data::CallLogRecord call = MakeCall({name, start, seconds, cents});
  data::WriteField(call.suffix, suffix);
  return call;
}

inline std::string ReadAll(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

}  // namespace report_world

// A data directory for the reports: calls in December 1998 and January 1999 in all four classes
// of the bill (one rated with sample rates, one to a name with accents, one outside each end of
// the cycle from 15 December), December's recurring charges, settings in New York, and a toll
// book whose entry 0 has the number 555-0100.
inline void WriteReportDatabase(const TempDatabase& db) {
  using namespace report_world;
  data::MyInfo me;
  data::ClearMyInfo(me);
  me.infoStored = 1;
  data::WriteField(me.state, "New York");
  data::WriteField(me.country, "UNITED STATES");
  me.locationMark = 'N';
  db.WriteFile("MYINFO.BIN", RecordBytes(me));

  data::CallLogRecord local = Call("Ann", kDec1st1998 + 14 * kDay + 10 * kHour, 300, 100.0);
  data::WriteField(local.state, "New York");
  local.locationMark = 'N';
  local.surcharges[0] = MakeSurcharge("Card", 95.0);
  data::CallLogRecord longDistance =
      Call("Bob", kDec1st1998 + 19 * kDay + 12 * kHour, 600, 250.0, "0199");
  longDistance.ratesChanged = 0;  // the sample rates
  db.WriteFile("LOG/December1998.LOG",
               RecordBytes(std::vector{Call("Cy", kDec1st1998 + 4 * kDay + 9 * kHour, 60, 50.0),
                                       local, longDistance}));

  const std::uint32_t jan1st = kDec1st1998 + 31 * kDay;
  data::CallLogRecord abroad =
      Call("Zo\xEB M\xFCller", jan1st + 2 * kDay + 8 * kHour + 1800, 120, 1234.5);
  data::WriteField(abroad.areaCode, "20");
  data::WriteField(abroad.countryCode, "44");
  data::WriteField(abroad.country, "UNITED KINGDOM");
  data::CallLogRecord tollFree = Call("Help, Inc.", jan1st + 9 * kDay + 15 * kHour, 60, 0, "4357");
  data::WriteField(tollFree.areaCode, "800");
  tollFree.outgoing = 0;
  db.WriteFile("LOG/January1999.LOG",
               RecordBytes(std::vector{abroad, tollFree,
                                       Call("Late", jan1st + 19 * kDay, 30, 75.0, "0199")}));

  data::RecurringFile december{15, 14, {}};
  data::WriteField(december.charges[0].name, "Line");
  december.charges[0].amount = 1500.0;
  data::WriteField(december.charges[1].name, "Taxes");
  december.charges[1].amount = 350.0;
  db.WriteFile("LOG/December1998.RCH", RecordBytes(december));

  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  data::PdbFiles books;
  data::PdbRecord entry = FullEntry("Friend", "Jos\xE9 N\xFA\xF1\x65z", "555");
  data::WriteField(entry.extension, "");
  if (!books.Open() || !books.Append(entry, data::PdbKind::Toll)) std::abort();
}

// The directory that holds the temporary database's DATABASE/.
inline std::string DataDirOf(const TempDatabase& db) {
  return std::filesystem::path(db.Path("")).parent_path().parent_path().string();
}

struct ReportRun {
  int status;
  std::string out, err;
};
// Runs the built dorv-report with the arguments (a shell word list).
inline ReportRun RunDorvReport(const std::string& arguments) {
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("dorv-report-" + std::to_string(::getpid()));
  const std::string command = std::string(DORV_REPORT) + ' ' + arguments + " >" + out.string() +
                              ".out 2>" + out.string() + ".err";
  const int status = std::system(command.c_str());
  ReportRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                report_world::ReadAll(out.string() + ".out"),
                report_world::ReadAll(out.string() + ".err")};
  std::filesystem::remove(out.string() + ".out");
  std::filesystem::remove(out.string() + ".err");
  return run;
}

}  // namespace dorv::test
