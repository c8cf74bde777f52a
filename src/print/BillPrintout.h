#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <ctime>
#include <vector>

#include "print/CallTable.h"
#include "print/PrintJob.h"
#include "print/PrintoutPages.h"

// The estimated monthly bill on paper: a summary page with the recurring charges and the four
// classes of calls, then a section per class listing its calls.

namespace dorv::print {

inline constexpr int kBillClassCount = 4;

// One class of calls: its line on the summary page and its own section.
struct BillClassPrintout {
  QString count, length, cost;      // as the bill shows them
  std::vector<CallTableRow> calls;  // Date/Time, Name, Place/Number, Length, Surcharge, Cost
  CallTableTotals totals;
};

struct BillCharge {
  QString name, amount;
};

// Everything the printout shows, as texts.
struct BillPrintout {
  std::time_t from = 0;  // 00:00:00 of the first and of the last day of the cycle
  std::time_t thru = 0;
  PrintedFor who;
  QStringList reportFor;  // those of the user's name, street address, city line and number given
  std::vector<BillCharge> recurring;  // the named recurring charges
  QString recurringSum, callsSum, total;
  // Local, long distance, international, toll free and AudioTex.
  std::array<BillClassPrintout, kBillClassCount> classes;
};

struct BillParts {
  bool summary = false;
  std::array<bool, kBillClassCount> classes{};
};

// Prints the chosen parts, each from a new page, on a job whose document has started: the
// summary page, then the chosen classes' sections. Returns Finish's answer.
bool PrintBill(PrintJob& job, const BillPrintout& bill, const BillParts& parts);

}  // namespace dorv::print
