#include "reports/CallPrintRows.h"

#include "platform/RecordText.h"

namespace dorv::reports {

std::vector<print::CallTableRow> PrintRowsOf(const std::vector<const CallListItem*>& rows,
                                             std::initializer_list<int> columns) {
  std::vector<print::CallTableRow> printed;
  printed.reserve(rows.size());
  for (const CallListItem* row : rows) {
    print::CallTableRow& line = printed.emplace_back();
    for (int column : columns) line.texts << row->Text(column);
    line.sampleRates = row->SampleRates();
  }
  return printed;
}

print::CallTableTotals PrintTotalsOf(const CallTotals& totals) {
  const CallTotalTexts texts = TextsOf(totals);
  using platform::FromRecord;
  return {FromRecord(texts.minutes), FromRecord(texts.surcharges), FromRecord(texts.costs),
          FromRecord(texts.total)};
}

print::CallLogPrintout CallLogPrintoutOf(const CallListPrint& list, const print::PrintedFor& who) {
  using C = CallListItem;
  return {who, list.monthText,
          PrintRowsOf(list.rows, {C::kDate, C::kName, C::kType, C::kNumber, C::kLength,
                                  C::kSurcharge, C::kCost}),
          PrintTotalsOf(list.totals)};
}

print::ContactLogPrintout ContactLogPrintoutOf(const ContactLogPrint& contact,
                                               const print::PrintedFor& who) {
  using C = CallListItem;
  return {who, contact.nameText, contact.numberText,
          PrintRowsOf(contact.list.rows, {C::kDate, C::kType, C::kLength, C::kSurcharge, C::kCost}),
          PrintTotalsOf(contact.list.totals)};
}

}  // namespace dorv::reports
