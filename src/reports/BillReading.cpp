#include "reports/BillReading.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <numeric>

#include "rating/Surcharges.h"

namespace dorv::reports {
namespace {

// Records are read in blocks: one read for many records keeps a large log quick to bill.
constexpr long kBlock = 256;

// Adds the month's calls inside the cycle; false when a record could not be read.
bool AddMonth(data::CallLogFile& log, const data::MyInfo& myInfo, int month, int year,
              const BillCycle& cycle, Bill& bill) {
  if (!log.OpenMonthNumber(month, year, false)) {
    if (!data::CallLogMissing(month, year)) bill.unreadable.push_back({month, year});
    return true;
  }
  const long count = log.Count();
  bool complete = count >= 0;
  if (!complete) bill.unreadable.push_back({month, year});
  if (count > 0) bill.calls.reserve(bill.calls.size() + static_cast<std::size_t>(count));
  auto block = std::make_unique<data::CallLogRecord[]>(kBlock);
  for (long first = 0; complete && first < count; first += kBlock) {
    long size = std::min(kBlock, count - first);
    if (!log.ReadRecords(first, size, block.get())) {
      // Find the record that cannot be read; the ones before it still count.
      long readable = 0;
      while (readable < size && log.ReadRecord(first + readable, block[readable])) ++readable;
      size = readable;
      complete = false;
      bill.unreadable.push_back({month, year});
    }
    for (long i = 0; i < size; ++i) {
      const data::CallLogRecord& call = block[i];
      if (!cycle.Contains(call.start)) continue;
      const BillingClass billingClass = ClassOf(call, myInfo);
      bill.totals.AddCall(
          billingClass,
          call.cost + rating::SumSurcharges(call.duration, call.surcharge, call.surcharges),
          call.duration);
      bill.calls.push_back({billingClass, {month, year, first + i}, call});
    }
  }
  log.Close();
  return complete;
}

// Oldest first. Logs are written in time order, so the calls usually are already; otherwise
// their positions are sorted and each large record moved once.
void SortByStart(std::vector<BilledCall>& calls) {
  auto earlier = [](const BilledCall& a, const BilledCall& b) {
    return a.record.start < b.record.start;
  };
  if (std::is_sorted(calls.begin(), calls.end(), earlier)) return;
  std::vector<std::size_t> order(calls.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&calls, &earlier](std::size_t a, std::size_t b) {
    return earlier(calls[a], calls[b]);
  });
  std::vector<BilledCall> sorted;
  sorted.reserve(calls.size());
  for (std::size_t index : order) sorted.push_back(calls[index]);
  calls = std::move(sorted);
}

}  // namespace

Bill ComputeBill(data::CallLogFile& log, const data::MyInfo& myInfo, const BillDate& from,
                 const BillDate& thru, double recurringSum) {
  Bill bill;
  const BillCycle cycle(from, thru);
  if (!AddMonth(log, myInfo, from.month, from.year, cycle, bill)) ++bill.logsCutShort;
  const bool otherMonth = thru.month != from.month || thru.year != from.year;
  if (otherMonth && !AddMonth(log, myInfo, thru.month, thru.year, cycle, bill))
    ++bill.logsCutShort;
  SortByStart(bill.calls);
  bill.totals.recurring = recurringSum;
  return bill;
}

RecurringSource ReadMonthRecurring(int month, int year, const data::MyInfo& myInfo,
                                   data::RecurringFile& contents) {
  contents = {};
  const int handle = data::OpenRecurringFileForReading(month, year);
  if (handle < 0) {
    if (errno != ENOENT) return RecurringSource::Unreadable;
    contents.billingFromDay = myInfo.billingFromDay;
    contents.billingThruDay = myInfo.billingThruDay;
    std::copy(std::begin(myInfo.recurringDefaults), std::end(myInfo.recurringDefaults),
              std::begin(contents.charges));
    return RecurringSource::Defaults;
  }
  const bool read = data::ReadRecurring(handle, contents);
  ::close(handle);
  return read ? RecurringSource::MonthFile : RecurringSource::Unreadable;
}

}  // namespace dorv::reports
