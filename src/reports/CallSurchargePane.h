#pragma once
#include <QString>
#include <QWidget>
#include <vector>

#include "platform/ReportList.h"
#include "reports/CallListItem.h"

namespace dorv::reports {

// One line of a call's surcharge breakdown.
struct SurchargeLine {
  QString description;
  double amount;  // cents
};

// The breakdown of a call's surcharges: the entry surcharge when it is not 0, then every slot
// in use (a cost or a description) in order, a per-time slot with what it charges this call.
std::vector<SurchargeLine> SurchargeLinesOf(const CallListItem& call);

// The list of the focused call's surcharges, "Type" and "Cost", on the button-face colour;
// its header does not sort.
class CallSurchargePane final : public QWidget {
 public:
  explicit CallSurchargePane(QWidget* parent = nullptr);
  void ShowSurchargesOf(const CallListItem& call);
  void Clear() { m_rows->Clear(); }

  platform::ReportList& List() const { return *m_list; }
  platform::ReportListModel& Rows() const { return *m_rows; }

 private:
  platform::ReportListModel* m_rows;
  platform::ReportList* m_list;
};

}  // namespace dorv::reports
