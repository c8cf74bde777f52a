#include "cli/ReportRun.h"

#include <cerrno>
#include <iterator>

#include "cli/TextTable.h"
#include "data/CallLog.h"
#include "data/DatabaseDir.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "data/MyInfo.h"
#include "data/Notices.h"
#include "data/PdbFiles.h"
#include "data/RecurringFile.h"
#include "data/TextPattern.h"
#include "reports/BillReading.h"
#include "reports/ContactLogRules.h"
#include "reports/LogMonths.h"
#include "reports/RecurringRules.h"
#include "reports/ReportCsv.h"
#include "res/Strings.h"

namespace dorv::cli {
namespace {

// A read-only call log never creates a month, so it has nothing to tell.
struct NoNotices final : data::Notices {
  void Notice(const std::string&) override {}
};

std::string DatabaseName(const std::string& relative) { return "DATABASE/" + relative; }

std::string LogName(const data::LogMonth& month) {
  return DatabaseName(data::CallLogName(data::MonthName(month.month), std::to_string(month.year)));
}

ReportResult Failed(const char* pattern, std::initializer_list<std::string> arguments) {
  return {1, {}, data::FillPattern(pattern, arguments)};
}

ReportResult CannotRead(const std::string& name) { return Failed(res::kReportErrorRead, {name}); }

// The text reports are built of record texts and converted to UTF-8 whole.
ReportResult Done(const std::string& text, bool csv) {
  return {0, csv ? text : reports::Utf8FromLatin1(text), {}};
}

std::string TotalsText(const reports::CallTotals& totals, const char* totalLabel) {
  const reports::CallTotalTexts texts = reports::TextsOf(totals);
  return AlignedColumns({{res::kCallLogLabelMinutes, texts.minutes},
                         {res::kCallLogLabelSurcharges, texts.surcharges},
                         {res::kCallLogLabelCosts, texts.costs},
                         {totalLabel, texts.total}},
                        {false, true});
}

// The calls as the call lists show them, then their totals.
std::string CallsText(const std::vector<reports::CallRow>& calls, const char* totalLabel) {
  std::vector<std::vector<std::string>> rows = {
      {res::kCallLogColumnDate, res::kColumnName, res::kColumnType, res::kColumnPhoneNumber,
       res::kCallLogColumnLength, res::kCallLogColumnSurcharge, res::kCallLogColumnCost}};
  reports::CallTotals totals;
  bool sampleRates = false;
  for (const reports::CallRow& call : calls) {
    std::vector<std::string> row;
    for (int column = 0; column < reports::kCallColumnCount; ++column)
      row.push_back(reports::CallRowText(call, column));
    rows.push_back(row);
    totals.Add(call);
    sampleRates = sampleRates || call.sampleRates;
  }
  std::string text = AlignedColumns(rows, {false, false, false, false, false, true, true});
  text += '\n' + TotalsText(totals, totalLabel);
  if (sampleRates) text += std::string(res::kCallLogSampleRatesNote) + '\n';
  return text;
}

bool ReadSettings(data::MyInfo& myInfo, ReportResult& failure) {
  data::MyInfoFile file;
  if (!file.OpenReadOnly()) {
    // Never set up: the neutral settings, as the program would make them, but nothing is written.
    if (errno == ENOENT) {
      data::ClearMyInfo(myInfo);
      return true;
    }
    failure = CannotRead(DatabaseName("MYINFO.BIN"));
    return false;
  }
  if (file.Read(myInfo)) return true;
  failure = CannotRead(DatabaseName("MYINFO.BIN"));
  return false;
}

ReportResult Months(data::CallLogFile& log, bool csv) {
  std::vector<reports::MonthSummary> summaries;
  for (const data::LogMonth& month : data::ListLogMonths()) {
    summaries.emplace_back();
    if (reports::SummariseMonth(log, month, summaries.back()) != reports::MonthRead::Complete)
      return CannotRead(LogName(month));
  }
  if (csv) return Done(reports::MonthsCsv(summaries), true);
  std::vector<std::vector<std::string>> rows = {
      {res::kReportColumnMonth, res::kReportColumnCalls, res::kReportColumnTotal}};
  for (const reports::MonthSummary& summary : summaries) {
    rows.push_back({reports::MonthKey(summary.month), std::to_string(summary.calls),
                    data::MoneyText(summary.total, true)});
  }
  return Done(AlignedColumns(rows, {false, true, true}), false);
}

ReportResult Log(data::CallLogFile& log, const data::MyInfo& myInfo, const data::LogMonth& month,
                 bool csv) {
  if (data::CallLogMissing(month.month, month.year))
    return Failed(res::kReportErrorNoLog, {LogName(month)});
  std::vector<reports::CallRow> calls;
  const reports::MonthRead read =
      reports::ReadMonthCalls(log, month, [&](long index, const data::CallLogRecord& call) {
        calls.push_back(reports::CallRowOf(call, myInfo, {month.month, month.year, index}));
      });
  if (read != reports::MonthRead::Complete) return CannotRead(LogName(month));
  reports::SortCallRowsByStart(calls);
  if (csv) return Done(reports::CallsCsv(calls), true);
  return Done(CallsText(calls, res::kCallLogLabelTotal), false);
}

ReportResult Contact(data::CallLogFile& log, const data::MyInfo& myInfo,
                     const ReportOptions& options) {
  const std::string book = DatabaseName(data::BookFileName(options.book));
  data::PdbFiles pdb;
  if (!pdb.OpenReadOnly()) return CannotRead(DatabaseName("DORV21, DORV22 and DORV23"));
  const long count = pdb.Count(options.book);
  if (count < 0) return CannotRead(book);
  data::PdbRecord entry{};
  if (options.entry >= count)
    return Failed(res::kReportErrorNoEntry, {book, std::to_string(options.entry)});
  if (!pdb.ReadAt(options.entry, entry, options.book)) return CannotRead(book);
  std::vector<reports::CallRow> calls;
  std::vector<data::LogMonth> unreadable;
  reports::ReadContactCalls(log, myInfo, entry, options.from, options.thru, calls, &unreadable);
  if (!unreadable.empty()) return CannotRead(LogName(unreadable.front()));
  reports::SortCallRowsByStart(calls);
  if (options.csv) return Done(reports::CallsCsv(calls), true);
  return Done(CallsText(calls, res::kContactLogLabelTotal), false);
}

std::string DateText(const reports::BillDate& date) {
  return data::MonthName(date.month) + ' ' + std::to_string(date.day) + ' ' +
         std::to_string(date.year);
}

ReportResult Bill(data::CallLogFile& log, const data::MyInfo& myInfo, const reports::BillDate& from,
                  bool csv) {
  data::RecurringFile recurring{};
  if (reports::ReadMonthRecurring(from.month, from.year, myInfo, recurring) ==
      reports::RecurringSource::Unreadable)
    return CannotRead(
        DatabaseName("LOG/" + data::MonthName(from.month) + std::to_string(from.year) + ".RCH"));
  const std::vector<data::RecurringCharge> charges(std::begin(recurring.charges),
                                                   std::end(recurring.charges));
  reports::RecurringList list;
  std::copy(charges.begin(), charges.end(), list.begin());
  const reports::BillDate thru = reports::ThruDate(from);
  const reports::Bill bill = reports::ComputeBill(log, myInfo, from, thru, reports::SumOf(list));
  if (!bill.unreadable.empty()) return CannotRead(LogName(bill.unreadable.front()));
  if (csv) return Done(reports::BillCsv(charges, reports::BillRowsOf(bill, myInfo)), true);

  const reports::BillTexts texts = reports::TextsOf(bill.totals);
  std::string text = AlignedColumns(
      {{res::kBillingLabelFrom, DateText(from)}, {res::kBillingLabelThru, DateText(thru)}},
      {false, false});
  std::vector<std::vector<std::string>> recurringRows;
  for (const data::RecurringCharge& charge : charges)
    if (reports::EntryInUse(charge))
      recurringRows.push_back({data::ReadField(charge.name), data::MoneyText(charge.amount, true)});
  recurringRows.push_back({res::kBillingLabelRecurring, texts.recurring});
  text += '\n' + AlignedColumns(recurringRows, {false, true});
  constexpr const char* kLabels[reports::kBillingClassCount] = {
      res::kBillingLabelLocal, res::kBillingLabelLongDistance, res::kBillingLabelInternational,
      res::kBillingLabelTollFree};
  std::vector<std::vector<std::string>> classRows;
  for (int i = 0; i < reports::kBillingClassCount; ++i)
    classRows.push_back({kLabels[i], texts.classes[i].count, res::kBillingLabelLength,
                         texts.classes[i].length, res::kBillingLabelCost, texts.classes[i].cost});
  text += '\n' + AlignedColumns(classRows, {false, true, false, true, false, true});
  text += '\n' + AlignedColumns({{res::kBillingLabelNonRecurring, texts.calls},
                                 {res::kBillingLabelTotal, texts.total}},
                                {false, true});
  return Done(text, false);
}

}  // namespace

ReportResult RunReport(const ReportOptions& options) {
  data::MyInfo myInfo{};
  ReportResult failure;
  if (!ReadSettings(myInfo, failure)) return failure;
  NoNotices notices;
  data::CallLogFile log(notices, data::CallLogFile::ReadOnly{});
  switch (options.command) {
    case Command::Months:
      return Months(log, options.csv);
    case Command::Log:
      return Log(log, myInfo, options.month, options.csv);
    case Command::Contact:
      return Contact(log, myInfo, options);
    case Command::Bill:
      break;
  }
  return Bill(log, myInfo, options.billFrom, options.csv);
}

}  // namespace dorv::cli
