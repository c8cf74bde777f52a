#pragma once
#include <array>
#include <vector>

#include "data/CallLog.h"
#include "data/MyInfo.h"
#include "reports/BillingRules.h"

namespace dorv::reports {

// The From dates of the last `count` billing cycles up to the one today lies in, oldest first:
// the cycle the bill opens on, and the same from day in each month before it (the last day of
// a month too short for it).
std::vector<BillDate> TrendCycleStarts(const BillDate& today, int fromDay, int count);

// What one cycle's bill comes to.
struct CycleCosts {
  BillDate from, thru;
  std::array<double, kBillingClassCount> classes{};  // cents, calls and their surcharges
  double recurring = 0;                              // cents
  double Total() const;
};

// The bills of the last twelve cycles, oldest first, as the Monthly Billing dialog computes
// them: the from day and each cycle's recurring charges come from the months' recurring files
// (the settings' defaults for a month without one); a month without a log adds nothing.
// Nothing is written or created. unreadable counts the logs that could not be read whole.
std::vector<CycleCosts> CostTrend(data::CallLogFile& log, const data::MyInfo& myInfo,
                                  const BillDate& today, int& unreadable);

inline constexpr int kTrendCycles = 12;

}  // namespace dorv::reports
