#include "reports/BillPrintInput.h"

#include <memory>
#include <vector>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/RecordText.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CallPrintRows.h"

namespace dorv::reports {
namespace {

static_assert(kBillingClassCount == print::kBillClassCount);

QString Text(const std::string& text) { return platform::FromRecord(text); }

}  // namespace

print::BillPrintout BillPrintoutOf(const CMonthlyBillingDlg& bill, std::time_t now) {
  const data::MyInfo& me = bill.Files().myInfo;
  print::BillPrintout out;
  out.from = LocalTimeOf(bill.From(), 0, 0, 0);
  out.thru = LocalTimeOf(bill.Thru(), 0, 0, 0);
  out.who = print::PrintedForOf(me, now);
  for (const QString& line : {bill.NameField().text(), bill.AddressField().text(),
                              bill.LocationField().text(), bill.PhoneField().text()})
    if (!line.isEmpty()) out.reportFor.append(line);
  for (const data::RecurringCharge& charge : bill.Recurring().contents.charges) {
    const std::string name = data::ReadField(charge.name);
    if (!name.empty())
      out.recurring.push_back({Text(name), Text(data::MoneyText(charge.amount, true))});
  }
  const Bill& figures = bill.CurrentBill();
  const BillTexts texts = TextsOf(figures.totals);
  out.recurringSum = Text(texts.recurring);
  out.callsSum = Text(texts.calls);
  out.total = Text(texts.total);

  // Each class's calls as the list rows the call summary shows, oldest first.
  std::array<std::vector<std::unique_ptr<CallListItem>>, kBillingClassCount> items;
  for (const BilledCall& billed : figures.calls)
    items[IndexOf(billed.billingClass)].push_back(
        std::make_unique<CallListItem>(billed.record, me, billed.where));
  using C = CallListItem;
  for (int i = 0; i < kBillingClassCount; ++i) {
    std::vector<const CallListItem*> rows;
    CallTotals sums;
    for (const auto& item : items[i]) {
      rows.push_back(item.get());
      sums.Add(item->Row());
    }
    print::BillClassPrintout& section = out.classes[i];
    section.count = Text(texts.classes[i].count);
    section.length = Text(texts.classes[i].length);
    section.cost = Text(texts.classes[i].cost);
    section.calls =
        PrintRowsOf(rows, {C::kDate, C::kName, C::kNumber, C::kLength, C::kSurcharge, C::kCost});
    section.totals = PrintTotalsOf(sums);
  }
  return out;
}

}  // namespace dorv::reports
