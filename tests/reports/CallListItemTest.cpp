#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "reports/CallListItem.h"
#include "reports/CallLogTestFiles.h"
#include "reports/CallSorting.h"
#include "reports/CallSurchargePane.h"
#include "reports/CallTotals.h"
#include "res/Strings.h"

using namespace dorv;
using reports::CallListItem;
using test::MakeCall;
using test::TestCall;

namespace {

CallListItem ItemOf(const data::CallLogRecord& record, int clock12 = 0) {
  data::MyInfo info{};
  data::ClearMyInfo(info);
  data::WriteField(info.country, "UNITED STATES");
  info.clock12 = clock12;
  return CallListItem(record, info, {1, 1999, 4});
}

}  // namespace

// Of a call rated with the sample rates only the cost is marked.
TEST(CallListItem, RowTextsOfACall) {
  TestCall call{"Alice", test::kJan1st1999 + 13 * 3600 + 5 * 60, 3725, 1234.0};
  call.outgoing = false;
  data::CallLogRecord record = MakeCall(call);
  record.surcharges[0] = test::MakeSurcharge("Card", 95.0);
  data::WriteField(record.suffix, "CALL");  // letters are shown as dialled, not as digits
  TestCall sample{"Bob", test::kJan1st1999, 60, 100.0, 25.0};
  sample.sampleRates = true;
  std::vector<QStringList> rows;
  for (const data::CallLogRecord& shown : {record, MakeCall(sample)}) {
    rows.emplace_back();
    for (int column = CallListItem::kDate; column <= CallListItem::kCost; ++column)
      rows.back() << ItemOf(shown).Text(column);
  }
  EXPECT_EQ(rows,
            (std::vector<QStringList>{{"Fri Jan 01, 1999  13:05", "Alice", res::kCallLogIncoming,
                                       "212.555.CALL", "01:02:05", "$0.9500", "$12.3400"},
                                      {"Fri Jan 01, 1999  00:00", "Bob", res::kCallLogOutgoing,
                                       "212.555.0100", "00:01:00", "$0.2500", "***$1.0000"}}));
  EXPECT_EQ(ItemOf(record, 1).Text(CallListItem::kDate), "Fri Jan 01, 1999  01:05 PM");
}

TEST(CallListItem, SurchargeBreakdownChargesWholeIntervalsOnly) {
  // 44 minutes of a 1.00 per hour surcharge in 15-minute steps: two whole steps of 0.25.
  data::CallLogRecord record = MakeCall({"Carol", test::kJan1st1999, 44 * 60, 0, 12.5});
  record.surcharges[0] = test::MakeSurcharge("Labor", 100.0, 2, 15);
  record.surcharges[2] = test::MakeSurcharge("Card", 95.0);
  record.surcharges[3] = test::MakeSurcharge("", 7.0);  // a cost without a description shows
  record.surcharges[4] = test::MakeSurcharge("Odd period", 100.0, 2, 90);
  CallListItem item = ItemOf(record);
  QStringList shown;  // amounts in cents
  for (const auto& line : reports::SurchargeLinesOf(item))
    shown << line.description + ' ' + QString::number(line.amount, 'f', 4);
  EXPECT_EQ(shown, (QStringList{res::kSurchargeEntryRow + QString(" 12.5000"), "Labor 50.0000",
                                "Card 95.0000", " 7.0000", "Odd period 0.0000"}));
  EXPECT_DOUBLE_EQ(item.SurchargeTotal(), 12.5 + 50.0 + 95.0 + 7.0);
  EXPECT_EQ(item.Text(CallListItem::kSurcharge), "$1.6450");
}

TEST(CallListItem, ComparisonOfEachColumn) {
  TestCall early{"alpha", test::kJan1st1999, 30, 500.0, 10.0};
  early.outgoing = false;
  TestCall late{"Beta", test::kJan1st1999 + 60, 20, 400.0, 20.0};
  data::CallLogRecord lateRecord = MakeCall(late);
  data::WriteField(lateRecord.areaCode, "312");
  // The later call carries a larger total only by its slots: the entry surcharge decides.
  lateRecord.surcharges[0] = test::MakeSurcharge("Big", 10000.0);
  CallListItem a = ItemOf(MakeCall(early));
  CallListItem b = ItemOf(lateRecord);
  struct Row {
    const char* name;
    int column;
    int expected;  // sign of compare(a, b)
  } rows[] = {
      {"date by start", CallListItem::kDate, -1},
      {"name without case", CallListItem::kName, -1},
      {"incoming first", CallListItem::kType, -1},
      {"number text", CallListItem::kNumber, -1},
      {"length", CallListItem::kLength, 1},
      {"entry surcharge", CallListItem::kSurcharge, -1},
      {"cost", CallListItem::kCost, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int ab = reports::CompareCallRows(a, b, row.column);
    int ba = reports::CompareCallRows(b, a, row.column);
    EXPECT_EQ((ab > 0) - (ab < 0), row.expected);
    EXPECT_EQ((ba > 0) - (ba < 0), -row.expected);
    EXPECT_EQ(reports::CompareCallRows(a, a, row.column), 0);
  }
}

TEST(CallListItem, PlaceAfterDeletingMovesOnlyTheCallsBehindItInItsFile) {
  using reports::LoggedCall;
  const LoggedCall deleted{1, 1999, 4};
  const struct {
    const char* name;
    LoggedCall call;
    long index;  // afterwards
  } rows[] = {
      {"behind", {1, 1999, 5}, 4},
      {"before", {1, 1999, 3}, 3},
      {"other month", {2, 1999, 9}, 9},
      {"same month, other year", {1, 2000, 9}, 9},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LoggedCall place = reports::PlaceAfterDeleting(row.call, deleted);
    EXPECT_EQ(std::tie(place.month, place.year, place.recordIndex),
              std::tie(row.call.month, row.call.year, row.index));
  }
}

TEST(CallTotals, TextsAreUnmarkedAndLengthsRunPastADay) {
  reports::CallTotals totals;
  TestCall sample{"Eve", test::kJan1st1999, 99000, 150.0, 10.0};
  sample.sampleRates = true;
  totals.Add(ItemOf(MakeCall(sample)).Row());
  totals.Add(ItemOf(MakeCall({"Fay", test::kJan1st1999, 1000, 50.0, 5.0})).Row());
  reports::CallTotalTexts texts = reports::TextsOf(totals);
  EXPECT_EQ((std::vector{texts.minutes, texts.costs, texts.surcharges, texts.total}),
            (std::vector<std::string>{"27:46:40", "$2.0000", "$0.1500", "$2.1500"}));
  EXPECT_EQ(reports::TextsOf({}).total, "$0.0000");

  // Stored lengths past 99 hours show as stored and never wrap the total.
  reports::CallTotals longCalls;
  CallListItem item = ItemOf(MakeCall({"Long", test::kJan1st1999, 0xFFFFFFFFu}));
  EXPECT_EQ(item.Text(CallListItem::kLength), "1193046:28:15");
  longCalls.Add(item.Row());
  longCalls.Add(item.Row());
  EXPECT_EQ(reports::TextsOf(longCalls).minutes, "2386092:56:30");
}

// A header click sorts its column ascending, the next descending; the call log sets the date's
// toggle when it opens, so that its first click there sorts newest first.
TEST(CallSortKeys, EachColumnTogglesItsOwnDirection) {
  constexpr int kDate = CallListItem::kDate, kName = CallListItem::kName,
                kCost = CallListItem::kCost;
  struct Row {
    const char* name;
    std::vector<int> clicks;
    bool dateToggled;
    int key;  // column times 2, plus 1 for descending
  } rows[] = {
      {"first click ascends", {kCost}, false, 2 * kCost},
      {"second click descends", {kCost, kCost}, false, 2 * kCost + 1},
      {"another column keeps this one's toggle", {kCost, kName, kCost}, false, 2 * kCost + 1},
      {"a toggled date descends first", {kDate}, true, 1},
      {"then ascends", {kDate, kDate}, true, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    reports::CallSortKeys keys;
    if (row.dateToggled) keys.SetToggle(kDate);
    for (int column : row.clicks) keys.Click(column);
    EXPECT_EQ(keys.Key(), row.key);
    EXPECT_EQ(keys.Ascending(), row.key % 2 == 0);
  }
}
