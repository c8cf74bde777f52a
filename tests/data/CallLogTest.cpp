#include <gtest/gtest.h>

#include <cstring>

#include "data/CallLog.h"
#include "data/FixedText.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"
#include "data/TextPattern.h"
#include "res/Strings.h"

using namespace dorv::data;
using dorv::test::RecordingNotices;
using dorv::test::TempDatabase;

namespace {

CallLogRecord CallNamed(const std::string& name, std::int32_t start) {
  CallLogRecord call;
  std::memset(&call, 0xAB, sizeof call);
  ClearCallRecord(call, true);
  WriteField(call.name, name);
  call.start = start;
  call.duration = 61;
  call.cost = 12.5;
  return call;
}

std::vector<std::string> NamesIn(CallLogFile& log) {
  std::vector<std::string> names;
  CallLogRecord call;
  for (long i = 0; i < log.Count(); ++i) {
    EXPECT_TRUE(log.ReadRecord(i, call));
    names.push_back(ReadField(call.name));
  }
  return names;
}

}  // namespace

TEST(CallLogRecord, ClearKeepsPaddingAndOptionallyTheSurcharges) {
  CallLogRecord call;
  std::memset(&call, 0xAB, sizeof call);
  ClearCallRecord(call, false);
  EXPECT_EQ(call.outgoing, 1);
  EXPECT_EQ(call.name[0], 0);
  EXPECT_EQ(call.cost, 0.0);
  EXPECT_EQ(call.ratesChanged, 0);
  EXPECT_EQ(call.padding1[0], 0xAB);  // the clear never writes behind start
  EXPECT_EQ(static_cast<unsigned char>(call.surcharges[3].description[0]), 0xAB);

  ClearCallRecord(call, true);
  for (const Surcharge& slot : call.surcharges) {
    EXPECT_EQ(slot.description[0], 0);
    EXPECT_EQ(slot.cost, 0.0);
    EXPECT_EQ(slot.kind, 1);
    EXPECT_EQ(slot.minutes, 0);
  }
}

TEST(CallLogFile, FirstCallOfAMonthCreatesTheFileAndSaysSoOnce) {
  TempDatabase db;
  RecordingNotices notices;
  CallLogFile log(notices);
  EXPECT_FALSE(log.OpenMonth("December", "1998", false));
  EXPECT_FALSE(db.Exists("LOG/December1998.LOG"));

  ASSERT_TRUE(log.OpenMonth("December", "1998", true));
  ASSERT_TRUE(log.AppendRecord(CallNamed("First", 100)));
  log.Close();
  ASSERT_TRUE(log.OpenMonthNumber(12, 1998, true));
  ASSERT_TRUE(log.AppendRecord(CallNamed("Second", 200)));
  EXPECT_EQ(log.Path(), db.Path("LOG/December1998.LOG"));

  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_EQ(notices.shown[0], FillPattern(dorv::res::kNoticeCallLogCreated, {"December", "1998"}));
  EXPECT_EQ(db.ReadFile("LOG/December1998.LOG").size(), 2 * sizeof(CallLogRecord));
  EXPECT_EQ(NamesIn(log), (std::vector<std::string>{"First", "Second"}));

  CallLogRecord read;
  ASSERT_TRUE(log.ReadRecord(1, read));
  EXPECT_EQ(read.start, 200);
  EXPECT_EQ(read.cost, 12.5);
  EXPECT_FALSE(log.ReadRecord(2, read));
  EXPECT_EQ(read.outgoing, 1);  // a failed read leaves a cleared record
  EXPECT_EQ(read.start, 0);
}

TEST(CallLogFile, MonthOutsideTheYearFailsWithoutTouchingTheDisk) {
  TempDatabase db;
  RecordingNotices notices;
  CallLogFile log(notices);
  EXPECT_FALSE(log.OpenMonthNumber(0, 2001, true));
  EXPECT_FALSE(log.OpenMonthNumber(13, 2001, true));
  EXPECT_FALSE(log.DeleteRecord(0, 13, 2001));
  EXPECT_TRUE(notices.shown.empty());
  EXPECT_TRUE(ListLogMonths().empty());
}

TEST(CallLogFile, WriteRecordReplacesInPlaceAndPartialTailIsIgnored) {
  TempDatabase db;
  RecordingNotices notices;
  CallLogFile log(notices);
  ASSERT_TRUE(log.OpenMonthNumber(3, 2002, true));
  ASSERT_TRUE(log.AppendRecord(CallNamed("A", 1)));
  ASSERT_TRUE(log.AppendRecord(CallNamed("B", 2)));
  ASSERT_TRUE(log.WriteRecord(0, CallNamed("A2", 3)));
  log.Close();
  db.WriteFile("LOG/March2002.LOG", db.ReadFile("LOG/March2002.LOG") + std::string(100, 'x'));
  ASSERT_TRUE(log.OpenMonthNumber(3, 2002, false));
  EXPECT_EQ(log.Count(), 2);
  EXPECT_EQ(NamesIn(log), (std::vector<std::string>{"A2", "B"}));
  ASSERT_TRUE(log.AppendRecord(CallNamed("C", 4)));
  EXPECT_EQ(NamesIn(log), (std::vector<std::string>{"A2", "B", "C"}));
}

TEST(CallLogFile, DeleteRewritesWithoutTheRecord) {
  TempDatabase db;
  RecordingNotices notices;
  CallLogFile log(notices);
  ASSERT_TRUE(log.OpenMonthNumber(6, 2003, true));
  for (const char* name : {"A", "B", "C"}) ASSERT_TRUE(log.AppendRecord(CallNamed(name, 5)));
  std::string before = db.ReadFile("LOG/June2003.LOG");

  ASSERT_TRUE(log.DeleteRecord(7, 6, 2003));  // past the end: every record stays
  EXPECT_EQ(db.ReadFile("LOG/June2003.LOG"), before);

  ASSERT_TRUE(log.DeleteRecord(1, 6, 2003));
  ASSERT_TRUE(log.OpenMonthNumber(6, 2003, false));
  EXPECT_EQ(NamesIn(log), (std::vector<std::string>{"A", "C"}));
  EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));

  EXPECT_FALSE(log.DeleteRecord(0, 7, 2003));  // no such month
  EXPECT_FALSE(db.Exists("LOG/July2003.LOG"));
}

TEST(CallLogFile, DeletingTheOnlyCallLeavesAnEmptyMonthThatStillLists) {
  TempDatabase db;
  RecordingNotices notices;
  CallLogFile log(notices);
  ASSERT_TRUE(log.OpenMonthNumber(2, 2004, true));
  ASSERT_TRUE(log.AppendRecord(CallNamed("Only", 9)));
  ASSERT_TRUE(log.DeleteRecord(0, 2, 2004));
  EXPECT_TRUE(db.Exists("LOG/February2004.LOG"));
  EXPECT_EQ(db.ReadFile("LOG/February2004.LOG"), "");
  EXPECT_EQ(ListLogMonths(), (std::vector<LogMonth>{{2, 2004}}));
}

TEST(CallLogFile, MonthsAreListedInCalendarOrder) {
  TempDatabase db;
  for (const char* name : {"December1998.LOG", "January1999.LOG", "March1998.LOG", "May1998.LOG",
                           "March1998.RCH", "Smarch1998.LOG", "May98.LOG", "notes.txt"})
    db.WriteFile(std::string("LOG/") + name, "");
  EXPECT_EQ(ListLogMonths(), (std::vector<LogMonth>{{3, 1998}, {5, 1998}, {12, 1998}, {1, 1999}}));
}

TEST(CallLogFile, TextsOfACall) {
  CallLogRecord call = CallNamed("Ann", 1);
  WriteField(call.city, "Dallas");
  WriteField(call.state, "Texas");
  WriteField(call.country, "United States");
  WriteField(call.areaCode, "214");
  WriteField(call.prefix, "555");
  WriteField(call.suffix, "0100");
  PdbRecord entry;
  ClearRecord(entry);
  WriteField(entry.city, "Dallas");
  WriteField(entry.state, "Texas");
  WriteField(entry.country, "United States");
  WriteField(entry.areaCode, "214");
  WriteField(entry.prefix, "555");
  WriteField(entry.suffix, "0100");
  // A call shows exactly as the entry it was taken from.
  EXPECT_EQ(LocationText(call), LocationText(LocationPartsOf(entry)));
  EXPECT_EQ(DialText(call, "United States", "011", true),
            DialText(NumberPartsOf(entry), "United States", "011", true));
  EXPECT_NE(LocationText(call).find("Dallas"), std::string::npos);
}
