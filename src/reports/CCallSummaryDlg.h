#pragma once
#include <QDialog>
#include <QPushButton>

#include "reports/BillingRules.h"
#include "reports/CallListPane.h"
#include "reports/CallReports.h"

namespace dorv::reports {

class CMonthlyBillingDlg;

// The billed calls of one section of the monthly bill, on the call reports' call list, with
// Edit and Delete. A change to a call bills the cycle again before the list is refilled, so
// the list and the bill never disagree.
class CCallSummaryDlg final : public QDialog {
  Q_OBJECT
 public:
  CCallSummaryDlg(CMonthlyBillingDlg& bill, BillingClass billingClass,
                  const CallReportOpeners& openers, QWidget* parent = nullptr);
  ~CCallSummaryDlg() override;
  CCallSummaryDlg(const CCallSummaryDlg&) = delete;
  CCallSummaryDlg& operator=(const CCallSummaryDlg&) = delete;

  // Lists the section's calls as the bill holds them.
  void Load();

  CallListPane& Calls() const { return *m_calls; }
  QPushButton& CloseButton() const { return *m_close; }
  QPushButton& ExportButton() const { return *m_export; }

 private:
  CMonthlyBillingDlg& m_bill;
  BillingClass m_class;
  CallListPane* m_calls = nullptr;
  QPushButton* m_export = nullptr;
  QPushButton* m_close = nullptr;
};

// The caption of a section's list of calls.
const char* SummaryCaption(BillingClass billingClass);

}  // namespace dorv::reports
