#include "reports/CostTrends.h"

#include <algorithm>
#include <numeric>

#include "data/Calendar.h"
#include "reports/BillReading.h"
#include "reports/RecurringRules.h"

namespace dorv::reports {

std::vector<BillDate> TrendCycleStarts(const BillDate& today, int fromDay, int count) {
  const BillDate last = FromDateAtOpening(today, fromDay);
  std::vector<BillDate> starts;
  for (int back = count - 1; back >= 0; --back) {
    const int months = last.year * 12 + (last.month - 1) - back;
    BillDate from{months % 12 + 1, 0, months / 12};
    from.day = std::clamp(fromDay, 1, data::DaysInMonth(from.month, from.year));
    starts.push_back(from);
  }
  return starts;
}

double CycleCosts::Total() const {
  return std::accumulate(classes.begin(), classes.end(), recurring);
}

std::vector<CycleCosts> CostTrend(data::CallLogFile& log, const data::MyInfo& myInfo,
                                  const BillDate& today, int& unreadable) {
  data::RecurringFile current{};
  ReadMonthRecurring(today.month, today.year, myInfo, current);
  unreadable = 0;
  std::vector<CycleCosts> trend;
  for (const BillDate& from : TrendCycleStarts(today, current.billingFromDay, kTrendCycles)) {
    data::RecurringFile recurring{};
    if (ReadMonthRecurring(from.month, from.year, myInfo, recurring) == RecurringSource::Unreadable)
      ++unreadable;
    RecurringList charges;
    std::copy(std::begin(recurring.charges), std::end(recurring.charges), charges.begin());
    CycleCosts cycle{from, ThruDate(from)};
    const Bill bill = ComputeBill(log, myInfo, from, cycle.thru, SumOf(charges));
    unreadable += static_cast<int>(bill.unreadable.size());
    for (int i = 0; i < kBillingClassCount; ++i) cycle.classes[i] = bill.totals.classes[i].cost;
    cycle.recurring = bill.totals.recurring;
    trend.push_back(cycle);
  }
  return trend;
}

}  // namespace dorv::reports
