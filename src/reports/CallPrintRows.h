#pragma once
#include <initializer_list>
#include <vector>

#include "print/CallLogPrintouts.h"
#include "reports/CallReports.h"

// What the call printouts are given: the list's own row texts and totals.

namespace dorv::reports {

// The texts of the given columns of each row, in the order the list shows them.
std::vector<print::CallTableRow> PrintRowsOf(const std::vector<const CallListItem*>& rows,
                                             std::initializer_list<int> columns);
print::CallTableTotals PrintTotalsOf(const CallTotals& totals);

print::CallLogPrintout CallLogPrintoutOf(const CallListPrint& list, const print::PrintedFor& who);
print::ContactLogPrintout ContactLogPrintoutOf(const ContactLogPrint& contact,
                                               const print::PrintedFor& who);

}  // namespace dorv::reports
