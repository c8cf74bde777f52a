#include <gtest/gtest.h>

#include <cstring>

#include "data/CallLog.h"
#include "support/Builders.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"
#include "data/TextPattern.h"
#include "res/Strings.h"

using namespace dorv::data;
using dorv::test::RecordBytes;
using dorv::test::RecordingNotices;
using dorv::test::TempDatabase;

namespace {

CallLogRecord CallNamed(const char* name, std::uint32_t start) {
  return dorv::test::MakeCall({name, start, 60, 12.5});
}

class CallLogFileTest : public ::testing::Test {
 protected:
  TempDatabase db;
  RecordingNotices notices;
  CallLogFile log{notices};
};

}  // namespace

TEST(CallLogRecord, ClearKeepsPaddingAndOptionallyTheSurcharges) {
  CallLogRecord call;
  std::memset(&call, 0xAB, sizeof call);
  ClearCallRecord(call, false);
  // The clear never writes behind start, nor the surcharges unless asked.
  EXPECT_EQ(std::tuple(call.outgoing, call.name[0], call.cost, call.padding1[0],
                       static_cast<unsigned char>(call.surcharges[3].description[0])),
            std::tuple(1, '\0', 0.0, 0xAB, 0xAB));
  ClearCallRecord(call, true);
  for (const Surcharge& slot : call.surcharges)
    EXPECT_TRUE(!slot.description[0] && slot.cost == 0.0 && slot.kind == 1 && !slot.minutes);
}

// A torn tail is the record file's own case, shown with the books.
TEST_F(CallLogFileTest, FirstCallOfAMonthCreatesTheFileAndSaysSoOnceThenRewriteAndDelete) {
  EXPECT_FALSE(log.OpenMonth("December", "1998", false));
  EXPECT_FALSE(db.Exists("LOG/December1998.LOG"));
  const CallLogRecord first = CallNamed("First", 100), second = CallNamed("Second", 200);
  ASSERT_TRUE(log.OpenMonth("December", "1998", true));
  ASSERT_TRUE(log.AppendRecord(first));
  log.Close();
  ASSERT_TRUE(log.OpenMonthNumber(12, 1998, true));
  ASSERT_TRUE(log.AppendRecord(second));
  EXPECT_EQ(notices.shown, std::vector<std::string>{FillPattern(dorv::res::kNoticeCallLogCreated,
                                                                {"December", "1998"})});
  EXPECT_EQ(db.ReadFile("LOG/December1998.LOG"), RecordBytes(std::vector{first, second}));
  CallLogRecord read;
  EXPECT_FALSE(log.ReadRecord(2, read));
  EXPECT_EQ(std::tuple(read.outgoing, read.start), std::tuple(1, 0u));  // left cleared

  for (const char* name : {"C", "D"}) ASSERT_TRUE(log.AppendRecord(CallNamed(name, 5)));
  ASSERT_TRUE(log.WriteRecord(0, CallNamed("A", 3)));
  std::string before = db.ReadFile("LOG/December1998.LOG");
  ASSERT_TRUE(log.DeleteRecord(7, 12, 1998));  // past the end: every record stays
  EXPECT_EQ(db.ReadFile("LOG/December1998.LOG"), before);
  ASSERT_TRUE(log.DeleteRecord(1, 12, 1998));
  EXPECT_EQ(db.ReadFile("LOG/December1998.LOG"),
            RecordBytes(std::vector{CallNamed("A", 3), CallNamed("C", 5), CallNamed("D", 5)}));
  EXPECT_FALSE(db.Exists("~PTEMP~.DAT"));
}

// A month outside the year fails without touching the disk.
TEST_F(CallLogFileTest, BadMonthsTouchNothingAnEmptiedMonthStaysAndMonthsListInCalendarOrder) {
  EXPECT_FALSE(log.OpenMonthNumber(0, 2001, true));
  EXPECT_FALSE(log.OpenMonthNumber(13, 2001, true));
  EXPECT_FALSE(log.DeleteRecord(0, 13, 2001));
  EXPECT_TRUE(notices.shown.empty());
  EXPECT_TRUE(ListLogMonths().empty());
  ASSERT_TRUE(log.OpenMonthNumber(2, 2004, true));
  ASSERT_TRUE(log.AppendRecord(CallNamed("Only", 9)));
  ASSERT_TRUE(log.DeleteRecord(0, 2, 2004));
  EXPECT_EQ(db.ReadFile("LOG/February2004.LOG"), "");
  for (const char* name : {"December1998.LOG", "January1999.LOG", "May1998.LOG", "March1998.RCH",
                           "Smarch1998.LOG", "May98.LOG", "notes.txt"})
    db.WriteFile(std::string("LOG/") + name, "");
  EXPECT_EQ(ListLogMonths(), (std::vector<LogMonth>{{5, 1998}, {12, 1998}, {1, 1999}, {2, 2004}}));
}

TEST(CallLogRecord, ACallShowsAsTheEntryItWasTakenFrom) {
  CallLogRecord call = CallNamed("Ann", 1);
  PdbRecord entry;
  ClearRecord(entry);
  for (auto [callField, entryField, text] :
       {std::tuple{call.city, entry.city, "Dallas"}, {call.state, entry.state, "Texas"},
        {call.country, entry.country, "United States"}, {call.areaCode, entry.areaCode, "214"},
        {call.prefix, entry.prefix, "555"}, {call.suffix, entry.suffix, "0100"}}) {
    std::strcpy(callField, text);
    std::strcpy(entryField, text);
  }
  EXPECT_EQ(LocationText(call), LocationText(LocationPartsOf(entry)));
  EXPECT_EQ(DialText(call, "United States", "011", true),
            DialText(NumberPartsOf(entry), "United States", "011", true));
  EXPECT_NE(LocationText(call).find("Dallas"), std::string::npos);
}
