#include "reports/LogMonths.h"

#include <algorithm>
#include <vector>

#include "data/MoneyText.h"
#include "rating/Surcharges.h"

namespace dorv::reports {

std::string MonthText(const data::LogMonth& month) {
  return data::MonthName(month.month) + ' ' + std::to_string(month.year);
}

data::LogMonth MonthOf(std::time_t when) {
  std::tm parts{};
  if (localtime_r(&when, &parts) == nullptr) return {0, 0};
  return {parts.tm_mon + 1, parts.tm_year + 1900};
}

int InitialMonthIndex(const std::vector<data::LogMonth>& months, const data::LogMonth& current) {
  if (months.empty()) return -1;
  auto found = std::find(months.begin(), months.end(), current);
  return found == months.end() ? 0 : static_cast<int>(found - months.begin());
}

MonthRead ReadMonthCalls(
    data::CallLogFile& log, const data::LogMonth& month,
    const std::function<void(long index, const data::CallLogRecord& call)>& onCall) {
  // About a megabyte a read: a month of many calls comes in few system calls.
  constexpr long kBlock = 1024;
  if (!log.OpenMonthNumber(month.month, month.year, false)) return MonthRead::NotOpened;
  long count = log.Count();
  MonthRead result = count < 0 ? MonthRead::Stopped : MonthRead::Complete;
  std::vector<data::CallLogRecord> block(static_cast<std::size_t>(std::clamp(count, 0L, kBlock)) + 1);
  for (long first = 0; first < count && result == MonthRead::Complete; first += kBlock) {
    const long size = std::min(kBlock, count - first);
    if (log.ReadRecords(first, size, block.data())) {
      for (long i = 0; i < size; ++i) onCall(first + i, block[static_cast<std::size_t>(i)]);
      continue;
    }
    // Deliver the calls of the block up to the one that cannot be read.
    for (long index = first; index < first + size; ++index) {
      if (!log.ReadRecord(index, block.back())) {
        result = MonthRead::Stopped;
        break;
      }
      onCall(index, block.back());
    }
  }
  log.Close();
  return result;
}

MonthRead ReadMonthCalls(data::CallLogFile& log, data::CallLogRecord& buffer,
                         const data::LogMonth& month,
                         const std::function<void(long index)>& onCall) {
  return ReadMonthCalls(log, month, [&](long index, const data::CallLogRecord& call) {
    buffer = call;
    onCall(index);
  });
}

MonthRead SummariseMonth(data::CallLogFile& log, const data::LogMonth& month,
                         MonthSummary& summary) {
  summary = {month};
  return ReadMonthCalls(log, month, [&summary](long, const data::CallLogRecord& call) {
    ++summary.calls;
    summary.total +=
        call.cost + rating::SumSurcharges(call.duration, call.surcharge, call.surcharges);
  });
}

bool ReadLoggedCall(data::CallLogFile& log, const LoggedCall& where, data::CallLogRecord& record) {
  if (!log.OpenMonthNumber(where.month, where.year, false)) return false;
  bool read = log.ReadRecord(where.recordIndex, record);
  log.Close();
  return read;
}

}  // namespace dorv::reports
