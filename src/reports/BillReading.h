#pragma once
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MyInfo.h"
#include "data/RecurringFile.h"
#include "reports/BillingRules.h"
#include "reports/CallRow.h"

namespace dorv::reports {

// One call on the bill: its section, where it lies and the record as read.
struct BilledCall {
  BillingClass billingClass;
  LoggedCall where;
  data::CallLogRecord record;
};

struct Bill {
  std::vector<BilledCall> calls;  // oldest first
  BillTotals totals;
  // Logs that stopped at a record that could not be read; the calls before it count.
  int logsCutShort = 0;
  // Every log of the cycle that is there but could not be read whole, or opened at all.
  std::vector<data::LogMonth> unreadable;
};

// The bill of a cycle: the calls of the From month's log and, when the Thru date lies in
// another month, of that month's log, classed and added up, with the month's recurring sum.
// A month without a log adds nothing; no log is ever created.
Bill ComputeBill(data::CallLogFile& log, const data::MyInfo& myInfo, const BillDate& from,
                 const BillDate& thru, double recurringSum);

enum class RecurringSource {
  MonthFile,  // the month's own recurring charge file
  Defaults,   // the month has no file: the settings' defaults, as its file would be made
  Unreadable  // the month's file is there but cannot be read
};
// The recurring charges of a month as a bill shows them, read without writing or creating
// anything.
RecurringSource ReadMonthRecurring(int month, int year, const data::MyInfo& myInfo,
                                   data::RecurringFile& contents);

}  // namespace dorv::reports
