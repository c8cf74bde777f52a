#pragma once
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MyInfo.h"
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
};

// The bill of a cycle: the calls of the From month's log and, when the Thru date lies in
// another month, of that month's log, classed and added up, with the month's recurring sum.
// A month without a log adds nothing; no log is ever created.
Bill ComputeBill(data::CallLogFile& log, const data::MyInfo& myInfo, const BillDate& from,
                 const BillDate& thru, double recurringSum);

}  // namespace dorv::reports
