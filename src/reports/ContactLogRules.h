#pragma once
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MyInfo.h"
#include "data/PdbRecord.h"
#include "reports/CallRow.h"

namespace dorv::reports {

// The months from one through another, December followed by January of the next year; none
// when the first lies after the last.
std::vector<data::LogMonth> MonthsFromThru(data::LogMonth from, data::LogMonth thru);

// A call is with the entry when its prefix, suffix and extension are the entry's exactly; the
// area code and country are not compared, so the same number in another area is included.
bool IsCallWith(const data::CallLogRecord& call, const data::PdbRecord& entry);

enum class RangeRead {
  Complete,
  Unreadable  // some month's log is there but could not be read whole
};

// Gathers the calls with the entry from every month's log from one month through another, in
// month order. A month without a log is skipped and never created; an unreadable month gives
// the calls read before the failure, and is added to unreadable when that is given.
RangeRead ReadContactCalls(data::CallLogFile& log, const data::MyInfo& myInfo,
                           const data::PdbRecord& entry, data::LogMonth from,
                           data::LogMonth thru, std::vector<CallRow>& calls,
                           std::vector<data::LogMonth>* unreadable = nullptr);

}  // namespace dorv::reports
