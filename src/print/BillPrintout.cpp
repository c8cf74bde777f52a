#include "print/BillPrintout.h"

#include <algorithm>
#include <string>

#include "data/CallLogRecord.h"
#include "data/MoneyText.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::print {
namespace {

constexpr const char* kClassLabels[kBillClassCount] = {
    res::kBillPrintClassLocal, res::kBillPrintClassLongDistance, res::kBillPrintClassInternational,
    res::kBillPrintClassTollFree};
constexpr const char* kSectionTitles[kBillClassCount] = {
    res::kBillPrintSectionLocal, res::kBillPrintSectionLongDistance,
    res::kBillPrintSectionInternational, res::kBillPrintSectionTollFree};

// Where the summary page puts things. The columns come from sample texts; where a font makes
// a label or a phrase wider than its sample, the columns after it move right rather than
// printing over it.
struct SummaryLayout {
  int left = 0;      // class labels and headings
  int indent = 0;    // recurring charges and subtotal labels
  int count = 0;     // right edge of the class lines' counts
  int length = 0;    // right edge of their lengths
  int amount = 0;    // right edge of the charges and the class costs
  int subTotal = 0;  // right edge of the subtotals
  int total = 0;     // right edge of the total

  explicit SummaryLayout(const PrintJob& job) {
    const Columns columns(
        job, {"XXXX", "DDDDDDDDDDXXXXXXXXXX", "EEEE  ", "EEEEEEWWWWWWWWWW", "minutes  ",
              "$888.8888     ", "$8888.8888     ", "$8888.8888     "});
    auto width = [&job](const char* text) { return job.TextExtent(text).width; };
    int widestLabel = 0;
    for (const char* label : kClassLabels) widestLabel = std::max(widestLabel, width(label));
    left = columns.Left(0);
    indent = columns.Left(1);
    count = std::max(columns.Right(2), left + widestLabel + width("  8888"));
    length =
        std::max(columns.Right(3), count + width(res::kBillPrintCallsFor) + width("  88:88:88"));
    amount =
        std::max(columns.Right(5), length + width(res::kBillPrintCosting) + width("  $888.8888"));
    const int shift = amount - columns.Right(5);
    subTotal = columns.Right(6) + shift;
    total = columns.Right(7) + shift;
  }
  int AmountLeft(const PrintJob& job) const {
    return amount - job.TextExtent("$888.8888     ").width;
  }
};

// The section's table from its sample texts, fitted to the page between the margins: the
// Name column's sample first gives up capitals down to the room of the longest name a call
// holds, then every column gives up the same share.
Columns SectionColumns(const PrintJob& job) {
  const int fit = job.PageWidth() - 2 * kLeftMargin;
  const int longestName = int(sizeof(data::CallLogRecord::name) - 1) * job.AverageCharWidth();
  auto columns = [&job](const std::string& name, int fitWidth) {
    return Columns(job,
                   {"DDD DDD 88 8888 88:88 PM  ", name.c_str(), "011 888 8 888-888.8888 x8888 ",
                    "88:88:88 ", "***$8888.8888 ", "***$8888.8888 ", "***$8888.8888 "},
                   fitWidth);
  };
  std::string name(29, 'D');
  for (Columns wide = columns(name, 0); wide.Right(wide.Count() - 1) - wide.Left(0) > fit &&
                                        wide.Right(1) - wide.Left(1) > longestName;
       wide = columns(name, 0))
    name.pop_back();
  return columns(name, fit);
}

QString DateOf(std::time_t when) { return platform::FromRecord(data::DateText(when)); }

class BillPages {
 public:
  BillPages(PrintJob& job, const BillPrintout& bill)
      : m_job(job),
        m_bill(bill),
        m_summary(job),
        m_valueX(m_summary.left + job.TextExtent("REPORT PERIOD:     ").width),
        m_pages(job, [this](PrintoutPages& pages, int number) { PageHeader(pages, number); }) {}

  void Summary();
  void Section(int index);
  void HeaderOnly() { m_pages.StartPage(); }
  bool Finish() { return m_job.Finish(); }
  void EndPage() { m_job.EndPage(); }

 private:
  void PageHeader(PrintoutPages& pages, int number);
  void SectionHeader(PrintoutPages& pages, const Columns& columns, const QString& title);
  void Heading(const char* text);

  PrintJob& m_job;
  const BillPrintout& m_bill;
  SummaryLayout m_summary;
  int m_valueX;
  PrintoutPages m_pages;
};

void BillPages::PageHeader(PrintoutPages& pages, int number) {
  pages.Text(res::kProductTitle, TextAlign::Centred, true, 0, 1);
  pages.Text(res::kBillPrintHeading, TextAlign::Centred, true, 0, 1);
  pages.Text(PrintedForLine(m_bill.who), TextAlign::Centred, true, 0, 1);
  pages.Text(PrintedOnLine(m_bill.who, number), TextAlign::Centred, true, 0, 2);
  const int left = m_summary.left;
  pages.Text(res::kBillPrintReportPeriod, TextAlign::Left, true, left, 0);
  pages.Text(QString::asprintf(res::kBillPrintPeriod, qPrintable(DateOf(m_bill.from)),
                               qPrintable(DateOf(m_bill.thru))),
             TextAlign::Left, false, m_valueX, 1);
  pages.Text(res::kBillPrintReportFor, TextAlign::Left, true, left, 0);
  for (const QString& line : m_bill.reportFor)
    pages.Text(line, TextAlign::Left, false, m_valueX, 1);
  pages.Blank(m_bill.reportFor.isEmpty() ? 2 : 1);
}

void BillPages::Heading(const char* text) {
  m_pages.Text(text, TextAlign::Left, true, m_summary.left, 1);
  m_pages.Rule(m_summary.left, m_summary.left + m_job.TextExtent(text).width);
}

void BillPages::Summary() {
  const SummaryLayout& at = m_summary;
  m_pages.StartPage();
  Heading(res::kBillPrintRecurringHeading);
  for (const BillCharge& charge : m_bill.recurring) {
    m_pages.Text(charge.name, TextAlign::Left, false, at.indent, 0);
    m_pages.Text(charge.amount, TextAlign::Right, false, at.amount, 1);
  }
  m_pages.Rule(at.AmountLeft(m_job), at.amount);
  m_pages.Text(res::kBillPrintRecurringSubTotal, TextAlign::Left, false, at.indent, 0);
  m_pages.Text(m_bill.recurringSum, TextAlign::Right, false, at.subTotal, 2);

  Heading(res::kBillPrintNonRecurringHeading);
  for (int i = 0; i < kBillClassCount; ++i) {
    const BillClassPrintout& calls = m_bill.classes[i];
    m_pages.Text(kClassLabels[i], TextAlign::Left, false, at.left, 0);
    m_pages.Text(calls.count, TextAlign::Right, false, at.count, 0);
    m_pages.Text(res::kBillPrintCallsFor, TextAlign::Left, false, at.count, 0);
    m_pages.Text(calls.length, TextAlign::Right, false, at.length, 0);
    m_pages.Text(res::kBillPrintCosting, TextAlign::Left, false, at.length, 0);
    m_pages.Text(calls.cost, TextAlign::Right, false, at.amount, 1);
  }
  m_pages.Rule(at.AmountLeft(m_job), at.amount);
  m_pages.Text(res::kBillPrintNonRecurringSubTotal, TextAlign::Left, false, at.indent, 0);
  m_pages.Text(m_bill.callsSum, TextAlign::Right, false, at.subTotal, 1);
  m_pages.Rule(at.subTotal, at.total);
  m_pages.Text(res::kBillPrintTotal, TextAlign::Left, true, at.left, 0);
  m_pages.Text(m_bill.total, TextAlign::Right, true, at.total, 1);
}

void BillPages::SectionHeader(PrintoutPages& pages, const Columns& columns, const QString& title) {
  const int costRight = columns.Right(columns.Count() - 2);
  pages.Text(res::kBillPrintSectionHeading, TextAlign::Left, true, columns.Left(0), 1);
  pages.Rule(columns.Left(0), costRight);
  pages.Text(title, TextAlign::Left, true, columns.Left(0), 2);
  PrintCallHeadings(pages, columns,
                    {res::kPrintHeadDateTime, res::kPrintHeadName, res::kPrintHeadPlaceNumber,
                     res::kPrintHeadLength, res::kPrintHeadSurcharge, res::kPrintHeadCost});
}

void BillPages::Section(int index) {
  const BillClassPrintout& calls = m_bill.classes[index];
  const Columns columns = SectionColumns(m_job);
  const QString title = kSectionTitles[index];
  auto header = [this](PrintoutPages& pages, int number) { PageHeader(pages, number); };
  m_pages.SetHeader(header);
  m_pages.StartPage();
  SectionHeader(m_pages, columns, title);
  // A page break inside the section repeats the section's header, marked as continued.
  m_pages.SetHeader([this, header, &columns, title](PrintoutPages& pages, int number) {
    header(pages, number);
    SectionHeader(pages, columns, title + res::kBillPrintContinued);
  });
  const bool sampleRates = PrintCallRows(m_pages, columns, calls.calls);
  PrintCallTotals(m_pages, columns, calls.totals);
  if (sampleRates) PrintSampleRatesNote(m_pages, columns);
  m_pages.SetHeader(header);
}

}  // namespace

bool PrintBill(PrintJob& job, const BillPrintout& bill, const BillParts& parts) {
  BillPages pages(job, bill);
  std::vector<int> sections;
  for (int i = 0; i < kBillClassCount; ++i)
    if (parts.classes[i]) sections.push_back(i);
  if (parts.summary) {
    pages.Summary();
    if (sections.empty()) return pages.Finish();
    pages.EndPage();
  }
  for (std::size_t i = 0; i < sections.size(); ++i) {
    pages.Section(sections[i]);
    if (i + 1 == sections.size()) return pages.Finish();
    pages.EndPage();
  }
  // Nothing chosen: the page header alone rather than an empty document.
  pages.HeaderOnly();
  return pages.Finish();
}

}  // namespace dorv::print
