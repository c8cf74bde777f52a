#pragma once
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ReportList.h"
#include "reports/CallListItem.h"
#include "reports/CallMemo.h"
#include "reports/CallReports.h"
#include "reports/CallSorting.h"
#include "reports/CallSurchargePane.h"
#include "reports/CallTotals.h"

namespace dorv::reports {

// The calls a report lists, gathered before they are shown: their rows and running totals,
// and how many were rated with the sample rates.
struct CallRows {
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  CallTotals totals;
  long sampleRated = 0;  // calls rated with the sample rates

  void Add(std::unique_ptr<CallListItem> call);
};

// What the report around a call list decides for it.
struct CallListHooks {
  // Reads the memo of a call for the memo pane; unset, from the call's own memo files.
  std::function<CallMemoState(const CallListItem& call, std::string& text)> readMemo;
  // Edit or Delete opened and closed memo files, so whatever memo files were open are closed.
  std::function<void()> memoFilesUsed;
  // Edit saved a call, or a log changed since it was listed: the report lists its calls anew.
  std::function<void()> callsChanged;
  // Delete removed a call's row, and the totals follow.
  std::function<void()> callRemoved;
};

// The call list of the call reports: the calls with their totals, the focused call's memo and
// surcharges, sorting by column, the sample-rates note, and Edit and Delete of a call. The
// report puts its own buttons under Edit and Delete and decides which calls are listed.
class CallListPane final : public QWidget {
  Q_OBJECT
 public:
  CallListPane(const CallReportFiles& files, const CallReportOpeners& openers,
               CallListHooks hooks, QWidget* parent);
  ~CallListPane() override;
  CallListPane(const CallListPane&) = delete;
  CallListPane& operator=(const CallListPane&) = delete;

  // A button of the report, placed under Edit and Delete.
  void AddButton(QPushButton* button);
  // Replaces the rows by these calls sorted by the current key, with their totals; the focused
  // call's panes are cleared and Edit and Delete wait for a call to be chosen. The next click
  // on Date sorts the newest call first.
  void ShowCalls(CallRows calls);
  // Removes every row; the totals keep their texts.
  void ClearCalls();
  // Empties the four totals.
  void ClearTotals() { m_totalsPane->Clear(); }

  void OnColumnClick(int column);
  void OnEdit();
  void OnDelete();

  platform::ReportList& List() const { return *m_list; }
  platform::ReportListModel& Rows() const { return *m_rows; }
  const CallListItem* Item(int row) const;
  // The rows in the order shown.
  std::vector<const CallListItem*> ShownCalls() const;
  std::vector<CallRow> ShownRows() const;
  const CallTotals& Sums() const { return m_totals; }
  QPushButton& EditButton() const { return *m_edit; }
  QPushButton& DeleteButton() const { return *m_delete; }
  const CallTotalsPane& Totals() const { return *m_totalsPane; }
  CallTotalsPane& Totals() { return *m_totalsPane; }
  const CallMemoPane& Memo() const { return *m_memoPane; }
  const CallSurchargePane& SurchargePane() const { return *m_surchargePane; }
  const QLabel& SampleRatesNote() const { return *m_note; }
  const CallSortKeys& SortKeys() const { return m_sort; }

 private:
  void BuildControls();
  void OnCurrentRowChanged(const QModelIndex& current);
  void FocusCall(const CallListItem& call);
  void ClearCallPanes();
  void EnableRowButtons(bool enabled);
  const CallListItem* SelectedItem() const;
  // Takes the row of a deleted call out of the list and its totals, as a fresh read would.
  void RemoveDeletedCall(const CallListItem& gone);
  // Where a listed call lies now, after the deletions since the calls were read.
  LoggedCall PlaceOf(const CallListItem& call) const;
  void MemoFilesUsed();
  void CallsChanged();

  CallReportFiles m_files;
  CallReportOpeners m_openers;
  CallListHooks m_hooks;
  CallTotals m_totals;
  CallSortKeys m_sort;
  long m_sampleRated = 0;
  std::vector<LoggedCall> m_deletions;  // places of the calls deleted since, in turn
  const CallListItem* m_focused = nullptr;
  bool m_loading = false;

  platform::ReportListModel* m_rows = nullptr;
  platform::ReportList* m_list = nullptr;
  CallTotalsPane* m_totalsPane = nullptr;
  CallMemoPane* m_memoPane = nullptr;
  CallSurchargePane* m_surchargePane = nullptr;
  QLabel* m_note = nullptr;
  QPushButton* m_edit = nullptr;
  QPushButton* m_delete = nullptr;
  QVBoxLayout* m_buttons = nullptr;
};

}  // namespace dorv::reports
