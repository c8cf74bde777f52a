#include "print/CallTable.h"

#include "res/Strings.h"

namespace dorv::print {
namespace {
// The table's columns from the left: ..., Length, Surcharge, Cost, the grand total.
std::size_t CostColumn(const Columns& columns) { return columns.Count() - 2; }
std::size_t SurchargeColumn(const Columns& columns) { return columns.Count() - 3; }
std::size_t LengthColumn(const Columns& columns) { return columns.Count() - 4; }
}  // namespace

void PrintCallHeadings(PrintoutPages& pages, const Columns& columns, const QStringList& headings) {
  const std::size_t surcharge = SurchargeColumn(columns);
  for (std::size_t column = 0; column < std::size_t(headings.size()); ++column) {
    if (column >= surcharge)
      pages.Text(headings[qsizetype(column)], TextAlign::Right, true, columns.Right(column), 0);
    else
      pages.Text(headings[qsizetype(column)], TextAlign::Left, true, columns.Left(column), 0);
  }
  pages.Blank(1);
  pages.Rule(columns.Left(0), columns.Right(CostColumn(columns)));
}

bool PrintCallRows(PrintoutPages& pages, const Columns& columns,
                   const std::vector<CallTableRow>& rows) {
  const std::size_t surcharge = SurchargeColumn(columns);
  bool sampleRates = false;
  int printed = 0;
  for (const CallTableRow& row : rows) {
    for (std::size_t column = 0; column < std::size_t(row.texts.size()); ++column) {
      const QString& text = row.texts[qsizetype(column)];
      if (column >= surcharge)
        pages.Text(text, TextAlign::Right, false, columns.Right(column), 0);
      else
        pages.Text(text, TextAlign::Left, false, columns.Left(column), 0);
    }
    pages.Blank(1);
    sampleRates = sampleRates || row.sampleRates;
    if (++printed % 5 == 0) pages.Blank(1);
  }
  return sampleRates;
}

void PrintCallTotals(PrintoutPages& pages, const Columns& columns, const CallTableTotals& totals) {
  const std::size_t length = LengthColumn(columns), surcharge = SurchargeColumn(columns),
                    cost = CostColumn(columns), grand = cost + 1;
  pages.Rule(columns.Left(length), columns.Right(cost));
  pages.Text(res::kPrintSubTotals, TextAlign::Right, true, columns.Left(length), 0);
  pages.Text(totals.length, TextAlign::Left, false, columns.Left(length), 0);
  pages.Text(totals.surcharge, TextAlign::Right, false, columns.Right(surcharge), 0);
  pages.Text(totals.cost, TextAlign::Right, false, columns.Right(cost), 1);
  pages.Rule(columns.Right(cost), columns.Right(grand));
  pages.Text(res::kPrintTotalSurchargeAndCost, TextAlign::Right, true, columns.Right(cost), 0);
  pages.Text(totals.surchargeAndCost, TextAlign::Right, false, columns.Right(grand), 1);
}

void PrintSampleRatesNote(PrintoutPages& pages, const Columns& columns) {
  pages.Text(res::kCallLogSampleRatesNote, TextAlign::Left, true, columns.Left(0), 1);
}

}  // namespace dorv::print
