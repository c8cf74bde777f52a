#pragma once
#include <array>

#include "print/BillPrintout.h"
#include "print/CPrintDialog.h"

class QCheckBox;

namespace dorv::print {

// The bill printout's boxes: All, Summary (Page 1), Local, Long Distance, International and
// Toll Free/AudioText.
enum BillBox { kBoxAll, kBoxSummary, kBoxLocal, kBoxLongDistance, kBoxInternational, kBoxTollFree };
inline constexpr int kBillBoxCount = 6;
using BillBoxes = std::array<bool, kBillBoxCount>;

// The boxes after the user checked one: All clears the other five, any other clears All.
BillBoxes AfterChecking(BillBoxes boxes, BillBox checked);
// The parts the boxes choose; All chooses every part.
BillParts PartsOf(const BillBoxes& boxes);

// "Print Monthly Bill": prints the chosen parts of a bill, 8 points on portrait pages.
class CMonthlyBillPrintDlg final : public CPrintDialog {
  Q_OBJECT

 public:
  explicit CMonthlyBillPrintDlg(BillPrintout bill, QWidget* parent = nullptr);
  QCheckBox& Box(BillBox box) const { return *m_boxes[box]; }

 protected:
  bool PrintParts(PrintJob& job) override;

 private:
  BillBoxes Checked() const;

  BillPrintout m_bill;
  std::array<QCheckBox*, kBillBoxCount> m_boxes{};
};

}  // namespace dorv::print
