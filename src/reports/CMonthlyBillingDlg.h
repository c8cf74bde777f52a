#pragma once
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <ctime>
#include <vector>

#include "data/RecurringFile.h"
#include "reports/BillReading.h"
#include "reports/BillingRules.h"
#include "reports/CallReports.h"
#include "reports/DateSpin.h"
#include "reports/MonthRecurring.h"

namespace dorv::reports {

// The estimated bill of one billing cycle: the month's recurring charges and the cycle's
// calls in four sections with count, length and cost, the subtotals and the total. Today's
// month's recurring charge file is read at opening and stays open, so that an edit of the
// charges can be written back.
class CMonthlyBillingDlg final : public QDialog {
  Q_OBJECT
 public:
  // Opens today's month's recurring charges and bills the cycle that today lies in. The
  // openers' call screen serves Edit in a section's list of calls.
  CMonthlyBillingDlg(const CallReportFiles& files, const BillDate& today,
                     CallReportOpeners openers = {}, QWidget* parent = nullptr,
                     std::time_t now = std::time(nullptr));
  // Closes the month's recurring charge file.
  ~CMonthlyBillingDlg() override;
  CMonthlyBillingDlg(const CMonthlyBillingDlg&) = delete;
  CMonthlyBillingDlg& operator=(const CMonthlyBillingDlg&) = delete;

  // The From date's spins.
  void OnMonthSpin(int steps);
  void OnDaySpin(int steps);
  void OnYearSpin(int steps);
  // Reads the cycle's logs anew and shows the figures.
  void ComputeBill();
  void OnRecurringDetail();
  void OnClassDetail(BillingClass billingClass);
  // Opens the printout of the bill as it stands.
  void OnPrint();
  void OnExport();

  const BillDate& From() const { return m_from; }
  const BillDate& Thru() const { return m_thru; }
  const Bill& CurrentBill() const { return m_bill; }
  const MonthRecurring& Recurring() const { return m_recurring; }
  const CallReportFiles& Files() const { return m_files; }

  DateSpin& MonthSpin() const { return *m_fromMonth; }
  DateSpin& DaySpin() const { return *m_fromDay; }
  DateSpin& YearSpin() const { return *m_fromYear; }
  // Thru month, day and year as shown.
  QString ThruText() const;
  const QLineEdit& RecurringField() const { return *m_recurringField; }
  struct ClassFields {
    QLineEdit* count;
    QLineEdit* length;
    QLineEdit* cost;
    QPushButton* detail;
  };
  const ClassFields& Fields(BillingClass billingClass) const {
    return m_classFields[IndexOf(billingClass)];
  }
  const QLineEdit& CallsField() const { return *m_callsField; }
  const QLineEdit& TotalField() const { return *m_totalField; }
  const QLineEdit& NameField() const { return *m_name; }
  const QLineEdit& PhoneField() const { return *m_phone; }
  const QLineEdit& AddressField() const { return *m_address; }
  const QLineEdit& LocationField() const { return *m_location; }
  const QLineEdit& ReportDateField() const { return *m_reportDate; }
  QPushButton& RecurringDetail() const { return *m_recurringDetail; }
  QPushButton& PrintButton() const { return *m_print; }
  QPushButton& ExportButton() const { return *m_export; }

 private:
  void BuildControls();
  void OpenRecurring();
  void ShowDates();
  void ShowFigures();
  void FromChanged(const BillDate& from);

  CallReportFiles m_files;
  CallReportOpeners m_openers;
  MonthRecurring m_recurring;
  BillDate m_from{1, 1, kFirstBillYear};
  BillDate m_thru{1, 1, kFirstBillYear};
  Bill m_bill;
  bool m_initialising = true;

  DateSpin* m_fromMonth = nullptr;
  DateSpin* m_fromDay = nullptr;
  DateSpin* m_fromYear = nullptr;
  QLineEdit* m_thruMonth = nullptr;
  QLineEdit* m_thruDay = nullptr;
  QLineEdit* m_thruYear = nullptr;
  QLineEdit* m_reportDate = nullptr;
  QLineEdit* m_phone = nullptr;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_address = nullptr;
  QLineEdit* m_location = nullptr;
  QLineEdit* m_recurringField = nullptr;
  QPushButton* m_recurringDetail = nullptr;
  std::array<ClassFields, kBillingClassCount> m_classFields{};
  QLineEdit* m_callsField = nullptr;
  QLineEdit* m_totalField = nullptr;
  QPushButton* m_print = nullptr;
  QPushButton* m_export = nullptr;
  QPushButton* m_close = nullptr;
};

}  // namespace dorv::reports
