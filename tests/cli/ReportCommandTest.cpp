#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "cli/ReportWorld.h"
#include "res/Strings.h"

using namespace dorv;

namespace {

// Every file and directory below the root with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root))
    files[item.path()] = item.is_regular_file() ? test::report_world::ReadAll(item.path()) : "";
  return files;
}

const std::string kContact = "contact --book toll --entry 0 --from 1998-12 --thru 1999-01";

}  // namespace

// Each report as text and as CSV, on a directory the program must leave exactly as it found it.
TEST(DorvReport, ReportsTheDatabaseAndChangesNothing) {
  test::TempDatabase db;
  test::WriteReportDatabase(db);
  const std::string root = test::DataDirOf(db);
  const auto before = Snapshot(root);
  struct Row {
    std::string arguments, expected;
  };
  const Row rows[] = {
      {"months",
       "Month    Calls     Total\n"
       "1998-12      3   $4.9500\n"
       "1999-01      3  $13.0950\n"},
      {"--csv months", "month,calls,total\r\n1998-12,3,4.9500\r\n1999-01,3,13.0950\r\n"},
      {"log 1998-12",
       "Date                     Name  Type  Phone Number  Length    Surcharge        Cost\n"
       "Sat Dec 05, 1998  09:00  Cy    Out   212.555.0100  00:01:00    $0.0000     $0.5000\n"
       "Tue Dec 15, 1998  10:00  Ann   Out   212.555.0100  00:05:00    $0.9500     $1.0000\n"
       "Sun Dec 20, 1998  12:00  Bob   Out   212.555.0199  00:10:00    $0.0000  ***$2.5000\n"
       "\n"
       "Minutes:                     00:16:00\n"
       "Surcharges:                   $0.9500\n"
       "Costs:                        $4.0000\n"
       "Total Costs and Surcharges:   $4.9500\n" +
           std::string(res::kCallLogSampleRatesNote) + "\n"},
      {"--csv log 1998-12",
       "start,name,direction,number,length,surcharges,cost,sample_rates\r\n"
       "1998-12-05T09:00:00,Cy,Out,212.555.0100,60,0.0000,0.5000,0\r\n"
       "1998-12-15T10:00:00,Ann,Out,212.555.0100,300,0.9500,1.0000,0\r\n"
       "1998-12-20T12:00:00,Bob,Out,212.555.0199,600,0.0000,2.5000,1\r\n"},
      {kContact,
       "Date                     Name        Type  Phone Number    Length    Surcharge      Cost\n"
       "Sat Dec 05, 1998  09:00  Cy          Out   212.555.0100    00:01:00    $0.0000   $0.5000\n"
       "Tue Dec 15, 1998  10:00  Ann         Out   212.555.0100    00:05:00    $0.9500   $1.0000\n"
       "Sun Jan 03, 1999  08:30  Zoë Müller  Out   44-20.555.0100  00:02:00    $0.0000  $12.3450\n"
       "\n"
       "Minutes:                    00:08:00\n"
       "Surcharges:                  $0.9500\n"
       "Costs:                      $13.8450\n"
       "Total Cost and Surcharges:  $14.7950\n"},
      {"--csv " + kContact,
       "start,name,direction,number,length,surcharges,cost,sample_rates\r\n"
       "1998-12-05T09:00:00,Cy,Out,212.555.0100,60,0.0000,0.5000,0\r\n"
       "1998-12-15T10:00:00,Ann,Out,212.555.0100,300,0.9500,1.0000,0\r\n"
       "1999-01-03T08:30:00,Zoë Müller,Out,44-20.555.0100,120,0.0000,12.3450,0\r\n"},
      {"bill --from 1998-12-15",
       "From:  December 15 1998\n"
       "Thru:  January 14 1999\n"
       "\n"
       "Line                                            $15.0000\n"
       "Taxes                                            $3.5000\n"
       "Sub total Estimated Monthly Recurring Charges:  $18.5000\n"
       "\n"
       "Local and Local Toll Call Charges:  1  calls for a total length of:  00:05:00  "
       "for a total cost of   $1.9500\n"
       "Long Distance Call Charges:         1  calls for a total length of:  00:10:00  "
       "for a total cost of   $2.5000\n"
       "International Call Charges:         1  calls for a total length of:  00:02:00  "
       "for a total cost of  $12.3450\n"
       "Toll Free/AudioTex Charges:         1  calls for a total length of:  00:01:00  "
       "for a total cost of   $0.0000\n"
       "\n"
       "Sub total Approximate Monthly Non-Recurring Charges:  $16.7950\n"
       "Total Estimated Monthly Billing:                      $35.2950\n"},
      {"--csv bill --from 1998-12-15",
       "class,start,name,direction,number,length,surcharges,cost,sample_rates\r\n"
       ",,Line,,,,,15.0000,\r\n"
       ",,Taxes,,,,,3.5000,\r\n"
       "1,1998-12-15T10:00:00,Ann,Out,212.555.0100,300,0.9500,1.0000,0\r\n"
       "2,1998-12-20T12:00:00,Bob,Out,212.555.0199,600,0.0000,2.5000,1\r\n"
       "3,1999-01-03T08:30:00,Zoë Müller,Out,44-20.555.0100,120,0.0000,12.3450,0\r\n"
       "4,1999-01-10T15:00:00,\"Help, Inc.\",In,800.555.4357,60,0.0000,0.0000,0\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const test::ReportRun run = test::RunDorvReport("--data " + root + ' ' + row.arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, row.expected);
  }
  EXPECT_EQ(Snapshot(root), before);
}

// Usage errors exit 2 with the usage; data that cannot be read exits 1 naming what is missing.
TEST(DorvReport, ExitStatusesOfBadArgumentsAndUnreadableData) {
  test::TempDatabase db;
  test::WriteReportDatabase(db);
  const std::string root = test::DataDirOf(db);
  const std::string data = "--data " + root + ' ';
  const auto empty = std::filesystem::path(root) / "empty";
  std::filesystem::create_directory(empty);
  struct Row {
    std::string arguments;
    int status;
    std::string message;
  };
  const Row rows[] = {
      {data + "log 1998-13", 2, res::kReportUsage},
      {data + "log 98-12", 2, res::kReportUsage},
      {data + "bill --from 1999-02-29", 2, res::kReportUsage},
      {data + "--verbose months", 2, res::kReportUsage},
      {data + "months extra", 2, res::kReportUsage},
      {data + "contact --book toll --entry x --from 1998-12 --thru 1999-01", 2, res::kReportUsage},
      {"--data " + empty.string() + " months", 1, "holds no DATABASE/"},
      {data + "log 1999-05", 1, "DATABASE/LOG/May1999.LOG"},
      {data + "contact --book toll --entry 1 --from 1998-12 --thru 1999-01", 1,
       "DATABASE/DORV21 has no entry 1"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const test::ReportRun run = test::RunDorvReport(row.arguments);
    EXPECT_EQ(run.status, row.status);
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// Without settings or a month's recurring file, the bill uses the defaults and writes neither.
TEST(DorvReport, TheDefaultsOfAMissingFileAreNotWritten) {
  test::TempDatabase db;
  const std::string root = test::DataDirOf(db);
  const auto before = Snapshot(root);
  const test::ReportRun run =
      test::RunDorvReport("--data " + root + " --csv bill --from 2001-03-01");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "class,start,name,direction,number,length,surcharges,cost,sample_rates\r\n");
  EXPECT_EQ(Snapshot(root), before);
}
