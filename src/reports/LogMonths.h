#pragma once
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "reports/CallRow.h"

namespace dorv::reports {

// "December 1998".
std::string MonthText(const data::LogMonth& month);
// The month of a time, in local time.
data::LogMonth MonthOf(std::time_t when);
// The entry of the month box selected at opening: the given (current) month when it has a
// log, otherwise the oldest; -1 when there are no months.
int InitialMonthIndex(const std::vector<data::LogMonth>& months, const data::LogMonth& current);

enum class MonthRead {
  Complete,
  NotOpened,  // the month's log does not exist or cannot be opened
  Stopped     // a record could not be read; the ones before it were delivered
};

// Reads every call of a month's log in file order, many records at a time, calling onCall with
// each one and its index; the log is closed after. An existing log is never created.
MonthRead ReadMonthCalls(
    data::CallLogFile& log, const data::LogMonth& month,
    const std::function<void(long index, const data::CallLogRecord& call)>& onCall);
// The same, each call read into the buffer before onCall is given its index.
MonthRead ReadMonthCalls(data::CallLogFile& log, data::CallLogRecord& buffer,
                         const data::LogMonth& month, const std::function<void(long index)>& onCall);

// A month that has a log: its number of calls and the total of their costs and surcharges.
struct MonthSummary {
  data::LogMonth month;
  long calls = 0;
  double total = 0;  // cents
};
MonthRead SummariseMonth(data::CallLogFile& log, const data::LogMonth& month,
                         MonthSummary& summary);

// Reads one logged call into the record, the log being closed after; false when the month's
// log cannot be opened or holds no record at that position.
bool ReadLoggedCall(data::CallLogFile& log, const LoggedCall& where, data::CallLogRecord& record);

}  // namespace dorv::reports
