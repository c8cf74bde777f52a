#include "reports/CallRow.h"

#include <algorithm>

#include "data/CallLog.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "rating/Surcharges.h"
#include "res/Strings.h"

namespace dorv::reports {

CallRow CallRowOf(const data::CallLogRecord& call, const data::MyInfo& myInfo, LoggedCall where) {
  CallRow row{};
  row.name = data::ReadField(call.name);
  row.numberText = data::DialText(call, data::ReadField(myInfo.country),
                                  data::ReadField(myInfo.intlAccessCode), false);
  row.duration = call.duration;
  row.memoFileNumber = call.memoFileNumber;
  row.start = call.start;
  row.cost = call.cost;
  row.surcharge = call.surcharge;
  std::copy(std::begin(call.surcharges), std::end(call.surcharges), std::begin(row.surcharges));
  row.surchargeTotal = rating::SumSurcharges(call.duration, call.surcharge, call.surcharges);
  row.incoming = call.outgoing == 0;
  row.sampleRates = call.ratesChanged == 0;
  row.where = where;
  row.clock12 = myInfo.clock12 == 1;
  return row;
}

void SortCallRowsByStart(std::vector<CallRow>& calls) {
  std::stable_sort(calls.begin(), calls.end(),
                   [](const CallRow& a, const CallRow& b) { return a.start < b.start; });
}

std::string CallRowText(const CallRow& call, int column) {
  switch (column) {
    case kCallDate:
      // Formatted when asked, as the other texts are: a month lists many more calls than a
      // window paints.
      return data::DateTimeText(static_cast<std::time_t>(call.start), call.clock12);
    case kCallName:
      return call.name;
    case kCallType:
      return call.incoming ? res::kCallLogIncoming : res::kCallLogOutgoing;
    case kCallNumber:
      return call.numberText;
    case kCallLength:
      return data::LengthText(call.duration);
    case kCallSurcharge:
      return data::MoneyText(call.surchargeTotal, true);
    case kCallCost:
      return data::MoneyText(call.cost, !call.sampleRates);
    default:
      return {};
  }
}

CallTotalTexts TextsOf(const CallTotals& totals) {
  return {data::LengthText(static_cast<long>(totals.seconds)),
          data::MoneyText(totals.surcharges, true), data::MoneyText(totals.costs, true),
          data::MoneyText(totals.surcharges + totals.costs, true)};
}

}  // namespace dorv::reports
