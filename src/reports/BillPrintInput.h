#pragma once
#include <ctime>

#include "print/BillPrintout.h"

namespace dorv::reports {

class CMonthlyBillingDlg;

// The bill as the Monthly Billing dialog holds it, put into the printout's texts: its cycle,
// the user as it shows them, its recurring charges and figures, and each class's calls.
print::BillPrintout BillPrintoutOf(const CMonthlyBillingDlg& bill, std::time_t now);

}  // namespace dorv::reports
