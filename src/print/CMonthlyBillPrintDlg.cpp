#include "print/CMonthlyBillPrintDlg.h"

#include <QCheckBox>

#include "data/MoneyText.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::print {

BillBoxes AfterChecking(BillBoxes boxes, BillBox checked) {
  if (checked == kBoxAll)
    boxes.fill(false);
  else
    boxes[kBoxAll] = false;
  boxes[checked] = true;
  return boxes;
}

BillParts PartsOf(const BillBoxes& boxes) {
  const bool all = boxes[kBoxAll];
  BillParts parts;
  parts.summary = all || boxes[kBoxSummary];
  for (int i = 0; i < kBillClassCount; ++i) parts.classes[i] = all || boxes[kBoxLocal + i];
  return parts;
}

CMonthlyBillPrintDlg::CMonthlyBillPrintDlg(BillPrintout bill, QWidget* parent)
    : CPrintDialog({res::kPrintBillCaption, res::kPrintBillJob, 8, false}, parent),
      m_bill(std::move(bill)) {
  const char* labels[kBillBoxCount] = {res::kPrintBoxAll,           res::kPrintBoxSummary,
                                       res::kPrintBoxLocal,         res::kPrintBoxLongDistance,
                                       res::kPrintBoxInternational, res::kPrintBoxTollFree};
  for (int i = 0; i < kBillBoxCount; ++i) {
    m_boxes[i] = &AddBox(labels[i], i == kBoxAll);
    connect(m_boxes[i], &QCheckBox::toggled, this, [this, i](bool checked) {
      if (!checked) return;
      const BillBoxes boxes = AfterChecking(Checked(), static_cast<BillBox>(i));
      for (int b = 0; b < kBillBoxCount; ++b) m_boxes[b]->setChecked(boxes[b]);
    });
  }
  const auto date = [](std::time_t when) { return platform::FromRecord(data::DateText(when)); };
  SetStatus(QString::asprintf(res::kPrintBillStatus, qPrintable(date(m_bill.from)),
                              qPrintable(date(m_bill.thru))));
}

BillBoxes CMonthlyBillPrintDlg::Checked() const {
  BillBoxes boxes{};
  for (int b = 0; b < kBillBoxCount; ++b) boxes[b] = m_boxes[b]->isChecked();
  return boxes;
}

bool CMonthlyBillPrintDlg::PrintParts(PrintJob& job) {
  return PrintBill(job, m_bill, PartsOf(Checked()));
}

}  // namespace dorv::print
