#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "print/PrintoutPages.h"

// The table of calls the call log, the contact log and the bill's class sections print: the
// headings, the rows in groups of five, the totals and the sample-rates note. Its columns end
// with Length, Surcharge and Cost, then a column that holds only the grand total.

namespace dorv::print {

struct CallTableRow {
  QStringList texts;  // one per column, without the totals column
  bool sampleRates = false;
};

// Unmarked money and length texts of a list's sums.
struct CallTableTotals {
  QString length;
  QString surcharge;
  QString cost;
  QString surchargeAndCost;
};

// The headings in bold, Surcharge and Cost right-aligned, the others left-aligned, and a rule
// under them.
void PrintCallHeadings(PrintoutPages& pages, const Columns& columns, const QStringList& headings);
// Returns whether any row's call was rated with the sample rates.
bool PrintCallRows(PrintoutPages& pages, const Columns& columns,
                   const std::vector<CallTableRow>& rows);
void PrintCallTotals(PrintoutPages& pages, const Columns& columns, const CallTableTotals& totals);
// "*** Calls marked were made using the sample rates ..." in bold at the table's left edge.
void PrintSampleRatesNote(PrintoutPages& pages, const Columns& columns);

}  // namespace dorv::print
