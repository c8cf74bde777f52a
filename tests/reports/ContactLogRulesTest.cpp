#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/FixedText.h"
#include "reports/CallLogTestFiles.h"
#include "reports/ContactLogRules.h"
#include "reports/LogMonths.h"
#include "reports/MemoSteps.h"

using namespace dorv;
using data::LogMonth;

TEST(ContactLogRules, MonthsFromThruRunInCalendarOrder) {
  struct Row {
    const char* name;
    LogMonth from, thru;
    std::vector<LogMonth> months;
  } rows[] = {
      {"across a new year", {11, 1998}, {2, 1999}, {{11, 1998}, {12, 1998}, {1, 1999}, {2, 1999}}},
      {"one month", {5, 2000}, {5, 2000}, {{5, 2000}}},
      {"From a month after Thru", {6, 2000}, {5, 2000}, {}},
      {"From a year after Thru", {1, 2001}, {12, 2000}, {}},
      {"no month 13", {13, 2000}, {1, 2001}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(reports::MonthsFromThru(row.from, row.thru), row.months);
  }
}

// The call log opens on the month a time falls in.
TEST(LogMonths, TheMonthOfATimeChangesAtMidnightOfTheFirst) {
  EXPECT_EQ(reports::MonthOf(test::kJan1st1999 - 1), (data::LogMonth{12, 1998}));
  EXPECT_EQ(reports::MonthOf(test::kJan1st1999), (data::LogMonth{1, 1999}));
}

TEST(ContactLogRules, ACallIsWithTheEntryByPrefixSuffixAndExtensionAlone) {
  struct Row {
    const char* name;
    const char *areaCode, *prefix, *suffix, *extension;
    bool with;
  } rows[] = {
      {"the same number", "212", "55A", "0100", "", true},
      {"another area code", "303", "55A", "0100", "", true},
      {"another suffix", "212", "55A", "0101", "", false},
      {"an extension the entry lacks", "212", "55A", "0100", "12", false},
      {"letters compare byte for byte", "212", "55a", "0100", "", false},
  };
  data::PdbRecord entry{};
  data::WriteField(entry.areaCode, "212");
  data::WriteField(entry.prefix, "55A");
  data::WriteField(entry.suffix, "0100");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    data::CallLogRecord call = test::MakeCall({"Pat", test::kJan1st1999});
    data::WriteField(call.areaCode, row.areaCode);
    data::WriteField(call.prefix, row.prefix);
    data::WriteField(call.suffix, row.suffix);
    data::WriteField(call.extension, row.extension);
    EXPECT_EQ(reports::IsCallWith(call, entry), row.with);
  }
}

TEST(ContactLogRules, AMissingMonthIsSkippedUncreatedAndAnUnreadableOneIsReported) {
  test::CallLogTestFiles files;
  data::PdbRecord entry{};
  data::WriteField(entry.prefix, "555");
  data::WriteField(entry.suffix, "0100");
  files.WriteMonth("November1998", {test::MakeCall({"Nov", test::kDec1st1998 - 86400})});
  files.WriteMonth("January1999", {test::MakeCall({"Jan", test::kJan1st1999})});
  std::vector<reports::CallRow> calls;
  EXPECT_EQ(
      reports::ReadContactCalls(files.callLog, files.myInfo, entry, {11, 1998}, {1, 1999}, calls),
      reports::RangeRead::Complete);
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_FALSE(files.db.Exists("LOG/December1998.LOG"));

  // A log that is there but cannot be opened as a file.
  ASSERT_EQ(::mkdir(files.db.Path("LOG/December1998.LOG").c_str(), 0700), 0);
  std::vector<reports::CallRow> unread;
  EXPECT_EQ(
      reports::ReadContactCalls(files.callLog, files.myInfo, entry, {11, 1998}, {1, 1999}, unread),
      reports::RangeRead::Unreadable);
  EXPECT_EQ(unread.size(), 2u) << "the other months are read";
}

TEST(MemoSteps, DeletedMemosAreSteppedOverAndTheEndsDisableTheButtons) {
  using Texts = std::vector<std::string>;
  struct Row {
    const char* name;
    Texts texts;
    long from;
    int step;
    long to;
  } rows[] = {
      {"no memos: nothing before", {}, 0, -1, -1},
      {"one memo: nothing before", {"a"}, 0, -1, -1},
      {"one memo: nothing after", {"a"}, 0, +1, -1},
      {"back over deleted ones", {"a", "", "", "b"}, 3, -1, 0},
      {"forward over deleted ones", {"a", "", "", "b"}, 0, +1, 3},
      {"deleted ones before the first", {"", "", "a", "b"}, 2, -1, -1},
      {"deleted ones after the last", {"a", "b", ""}, 1, +1, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(reports::NextMemo(row.texts, row.from, row.step), row.to);
  }
  EXPECT_EQ(reports::NewestMemo({"a", "b", ""}), 1);
  EXPECT_EQ(reports::NewestMemo({"", ""}), -1);
}
