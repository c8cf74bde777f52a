// A month's call log holding the fuzz input, every call read and shown as the call lists show
// it: row texts, the rows compared in every column, and the list's totals.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/CallLog.h"
#include "data/MoneyText.h"
#include "support/RecordingNotices.h"
#include "rating/Surcharges.h"
#include "reports/CallListItem.h"
#include "reports/CallRow.h"

namespace {

using namespace dorv::data;

using dorv::reports::CallListItem;

void ShowCall(const CallLogRecord& call, const MyInfo& myInfo, long index, std::time_t now,
              dorv::reports::CallTotals& totals, const CallListItem& blank) {
  const bool twelveHour = myInfo.clock12 == 1;
  DialText(call, "UNITED STATES", "011", true);
  LocationText(call);
  LocalTimeText(now, call.timeZone, ReadField(call.country), twelveHour);
  DateText(call.start);
  LengthText(call.duration);
  MoneyText(call.surcharge, true);
  MoneyText(dorv::rating::SumSurcharges(call.duration, call.surcharge, call.surcharges), true);
  CallListItem row(call, myInfo, {12, 1998, index});
  for (int column = 0; column < CallListItem::kColumnCount; ++column) {
    row.Text(column);
    dorv::reports::CompareCallRows(blank, row, column);
  }
  totals.Add(row.Row());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  MyInfo myInfo{};
  ClearMyInfo(myInfo);
  myInfo.clock12 = input.Flag() ? 1 : 0;
  WriteField(myInfo.country, input.Text());
  WriteField(myInfo.intlAccessCode, input.Text());
  const std::time_t now = input.Value<std::int32_t>();
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(CallLogName("December", "1998"), input.Rest());

  dorv::test::RecordingNotices notices;
  CallLogFile log(notices);
  if (!log.OpenMonth("December", "1998", false)) return 0;
  const long count = log.Count();
  CallLogRecord call{};
  ClearCallRecord(call, true);
  const CallListItem blank(call, myInfo, {12, 1998, 0});
  dorv::reports::CallTotals totals;
  for (long index = -1; index <= std::min(count, dorv::fuzz::kMaxRecords); ++index)
    if (log.ReadRecord(index, call)) ShowCall(call, myInfo, index, now, totals, blank);
  dorv::reports::TextsOf(totals);
  return 0;
}
