#include "reports/ContactLogRules.h"

#include <cstring>

#include "reports/LogMonths.h"

namespace dorv::reports {

std::vector<data::LogMonth> MonthsFromThru(data::LogMonth from, data::LogMonth thru) {
  std::vector<data::LogMonth> months;
  if (from.month < 1 || from.month > 12 || thru.month < 1 || thru.month > 12) return months;
  for (data::LogMonth month = from;
       month.year < thru.year || (month.year == thru.year && month.month <= thru.month);) {
    months.push_back(month);
    month = month.month == 12 ? data::LogMonth{1, month.year + 1}
                              : data::LogMonth{month.month + 1, month.year};
  }
  return months;
}

namespace {

// Two text fields of the same width hold the same text, compared byte for byte.
template <std::size_t N>
bool SameText(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

}  // namespace

bool IsCallWith(const data::CallLogRecord& call, const data::PdbRecord& entry) {
  return SameText(call.prefix, entry.prefix) && SameText(call.suffix, entry.suffix) &&
         SameText(call.extension, entry.extension);
}

RangeRead ReadContactCalls(data::CallLogFile& log, const data::MyInfo& myInfo,
                           const data::PdbRecord& entry, data::LogMonth from,
                           data::LogMonth thru, std::vector<CallRow>& calls,
                           std::vector<data::LogMonth>* unreadable) {
  RangeRead result = RangeRead::Complete;
  for (const data::LogMonth& month : MonthsFromThru(from, thru)) {
    MonthRead read = ReadMonthCalls(log, month, [&](long index, const data::CallLogRecord& call) {
      if (!IsCallWith(call, entry)) return;
      calls.push_back(CallRowOf(call, myInfo, LoggedCall{month.month, month.year, index}));
    });
    if (read == MonthRead::Stopped ||
        (read == MonthRead::NotOpened && !data::CallLogMissing(month.month, month.year))) {
      result = RangeRead::Unreadable;
      if (unreadable) unreadable->push_back(month);
    }
  }
  return result;
}

}  // namespace dorv::reports
