#include "print/CallLogPrintouts.h"

#include "res/Strings.h"

namespace dorv::print {
namespace {

void Centred(PrintoutPages& pages, const QString& text, int lines = 1) {
  pages.Text(text, TextAlign::Centred, true, 0, lines);
}

// The title lines every call printout's page starts with.
void HeaderTop(PrintoutPages& pages, const char* heading, const PrintedFor& who) {
  Centred(pages, res::kProductTitle);
  Centred(pages, heading);
  Centred(pages, PrintedForLine(who));
}

bool PrintTable(PrintoutPages& pages, const Columns& columns, const QStringList& headings,
                const std::vector<CallTableRow>& rows, const CallTableTotals& totals) {
  pages.StartPage();
  PrintCallHeadings(pages, columns, headings);
  const bool sampleRates = PrintCallRows(pages, columns, rows);
  PrintCallTotals(pages, columns, totals);
  if (sampleRates) PrintSampleRatesNote(pages, columns);
  return pages.Job().Finish();
}

}  // namespace

bool PrintCallLog(PrintJob& job, const CallLogPrintout& log) {
  PrintoutPages pages(job, [&log](PrintoutPages& p, int page) {
    HeaderTop(p, res::kPrintCallLogHeading, log.who);
    Centred(p, PrintedOnLine(log.who, page), 2);
    Centred(p, log.monthText, 3);
  });
  const Columns columns(job, {"DDD DDD 88, 8888 88:88 PM  ",
                              "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD  ", "DIRECTION  ",
                              "011 888 8 888-888.8888 x8888   ", "888:88:88    ", "$88.888     ",
                              "***$888.888    ", "***$8888.888  "});
  return PrintTable(pages, columns,
                    {res::kPrintHeadDateTime, res::kPrintHeadName, res::kPrintHeadDirection,
                     res::kPrintHeadNumber, res::kPrintHeadLength, res::kPrintHeadSurcharge,
                     res::kPrintHeadCost},
                    log.rows, log.totals);
}

bool PrintContactLog(PrintJob& job, const ContactLogPrintout& log) {
  PrintoutPages pages(job, [&log](PrintoutPages& p, int page) {
    HeaderTop(p, res::kPrintContactLogHeading, log.who);
    // The contact line takes the place of the call log's month, spaced alike.
    Centred(p, PrintedOnLine(log.who, page), 2);
    Centred(p, QString::asprintf(res::kPrintContactLine, qPrintable(log.contactName),
                                 qPrintable(log.contactPhone)),
            3);
  });
  const Columns columns(job, {"DDD DDD 88, 8888 88:88 PM   ", "DIRECTION    ", "888:88:88    ",
                              "$88.8888    ", "***$8888.8888    ", "***$8888.8888    "});
  return PrintTable(pages, columns,
                    {res::kPrintHeadDateTime, res::kPrintHeadDirection, res::kPrintHeadLength,
                     res::kPrintHeadSurcharge, res::kPrintHeadCost},
                    log.rows, log.totals);
}

}  // namespace dorv::print
