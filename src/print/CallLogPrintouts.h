#pragma once
#include <QString>
#include <vector>

#include "print/CallTable.h"
#include "print/PrintoutPages.h"

// The call log and the contact log on paper: a page header, the call table, its totals and,
// when a call was rated with the sample rates, the note that says so.

namespace dorv::print {

// A month's calls in the order the list shows them, with the list's texts of Date, Name,
// Type, Phone Number, Length, Surcharge and Cost.
struct CallLogPrintout {
  PrintedFor who;
  QString monthText;
  std::vector<CallTableRow> rows;
  CallTableTotals totals;
};

// One entry's calls, each with the list's texts of Date, Type, Length, Surcharge and Cost.
struct ContactLogPrintout {
  PrintedFor who;
  QString contactName;
  QString contactPhone;
  std::vector<CallTableRow> rows;
  CallTableTotals totals;
};

// Each prints from the first page to Finish on a job whose document has started, and returns
// Finish's answer.
bool PrintCallLog(PrintJob& job, const CallLogPrintout& log);
bool PrintContactLog(PrintJob& job, const ContactLogPrintout& log);

}  // namespace dorv::print
