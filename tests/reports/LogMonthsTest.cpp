#include <gtest/gtest.h>

#include "reports/CallLogTestFiles.h"
#include "data/FixedText.h"
#include "reports/LogMonths.h"

using namespace dorv;
using test::MakeCall;

TEST(LogMonths, MonthTextsAndTheMonthShownAtOpening) {
  EXPECT_EQ(reports::MonthText({12, 1998}), "December 1998");
  EXPECT_EQ(reports::MonthOf(test::kJan1st1999 - 1), (data::LogMonth{12, 1998}));
  EXPECT_EQ(reports::MonthOf(test::kJan1st1999), (data::LogMonth{1, 1999}));
  std::vector<data::LogMonth> months{{11, 1998}, {12, 1998}, {1, 1999}};
  EXPECT_EQ(reports::InitialMonthIndex(months, {12, 1998}), 1);
  EXPECT_EQ(reports::InitialMonthIndex(months, {12, 1999}), 0);
  EXPECT_EQ(reports::InitialMonthIndex({}, {12, 1998}), -1);
}

TEST(LogMonths, ReadingAMonthDeliversEachCallInFileOrderAndClosesTheLog) {
  test::CallLogTestFiles files;
  files.WriteMonth("January1999", {MakeCall({"first", test::kJan1st1999 + 50}),
                                   MakeCall({"second", test::kJan1st1999})});
  data::CallLogRecord buffer{};
  std::vector<std::pair<long, std::string>> seen;
  auto read = reports::ReadMonthCalls(files.callLog, buffer, {1, 1999}, [&](long index) {
    seen.emplace_back(index, data::ReadField(buffer.name));
  });
  EXPECT_EQ(read, reports::MonthRead::Complete);
  EXPECT_EQ(seen, (std::vector<std::pair<long, std::string>>{{0, "first"}, {1, "second"}}));
  EXPECT_FALSE(files.callLog.IsOpen());
}

TEST(LogMonths, AMonthWithoutALogIsNotCreated) {
  test::CallLogTestFiles files;
  data::CallLogRecord buffer{};
  int calls = 0;
  auto read = reports::ReadMonthCalls(files.callLog, buffer, {2, 1999}, [&](long) { ++calls; });
  EXPECT_EQ(read, reports::MonthRead::NotOpened);
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(files.db.Exists("LOG/February1999.LOG"));
  EXPECT_TRUE(files.notices.shown.empty());
}
