#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <ctime>
#include <optional>
#include <vector>

#include "data/CallLog.h"
#include "platform/ReportList.h"
#include "reports/CallListPane.h"
#include "reports/CallListItem.h"
#include "reports/CallMemo.h"
#include "reports/CallReports.h"
#include "reports/CallSorting.h"
#include "reports/CallSurchargePane.h"
#include "reports/CallTotals.h"

namespace dorv::reports {

enum class CallLogButton { Edit, Delete, Print, Export, Close };

// The calls of one month, chosen among the months that have a log: their list with totals,
// the focused call's memo and surcharges, and Edit, Delete and Print of a call.
class CCallLogDlg final : public QDialog {
  Q_OBJECT
 public:
  // Lists the months and loads the current month, or the oldest when it has no log.
  explicit CCallLogDlg(const CallReportFiles& files, CallReportOpeners openers = {},
                       QWidget* parent = nullptr, std::time_t now = std::time(nullptr));
  ~CCallLogDlg() override;
  CCallLogDlg(const CCallLogDlg&) = delete;
  CCallLogDlg& operator=(const CCallLogDlg&) = delete;

  // The user picked the month box's entry.
  void OnMonthSelected(int index);
  // Reads the shown month's calls anew.
  void LoadMonth();
  void OnColumnClick(int column);
  void OnEdit();
  void OnDelete();
  void OnPrint();
  void OnExport();

  QComboBox& MonthBox() const { return *m_monthBox; }
  CallListPane& Calls() const { return *m_calls; }
  platform::ReportList& List() const { return m_calls->List(); }
  platform::ReportListModel& Rows() const { return m_calls->Rows(); }
  const CallListItem* Item(int row) const { return m_calls->Item(row); }
  QPushButton& Button(CallLogButton button) const;
  const CallTotalsPane& Totals() const { return m_calls->Totals(); }
  const CallMemoPane& Memo() const { return m_calls->Memo(); }
  const CallSurchargePane& SurchargePane() const { return m_calls->SurchargePane(); }
  const QLabel& SampleRatesNote() const { return m_calls->SampleRatesNote(); }
  const CallSortKeys& SortKeys() const { return m_calls->SortKeys(); }

 private:
  void BuildControls();
  void FillMonthBox(const std::optional<data::LogMonth>& keep, std::time_t now);

  CallReportFiles m_files;
  CallReportOpeners m_openers;
  std::vector<data::LogMonth> m_months;  // the month box's entries, oldest first
  std::optional<data::LogMonth> m_shown;

  QComboBox* m_monthBox = nullptr;
  CallListPane* m_calls = nullptr;
  QPushButton* m_print = nullptr;
  QPushButton* m_export = nullptr;
  QPushButton* m_close = nullptr;
};

}  // namespace dorv::reports
