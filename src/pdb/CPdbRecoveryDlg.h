#pragma once
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "data/PdbFiles.h"
#include "pdb/BookLoading.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

class PdbListItem;

// Lists the deleted entries of a book and makes the chosen ones active again, handing their
// rows to the list window's rows. Ends with 1 after OK, 2 after Cancel.
class CPdbRecoveryDlg final : public QDialog {
  Q_OBJECT
 public:
  CPdbRecoveryDlg(data::PdbFiles& pdb, data::PdbKind kind,
                  platform::ReportListModel& listWindowRows, QWidget* parent = nullptr);
  ~CPdbRecoveryDlg() override;
  CPdbRecoveryDlg(const CPdbRecoveryDlg&) = delete;
  CPdbRecoveryDlg& operator=(const CPdbRecoveryDlg&) = delete;

  void OnLoadTimer();
  void Load();
  void OnColumnClick(int column);
  void OnOk();
  void reject() override;

  platform::ReportList& List() const { return *m_list; }
  platform::ReportListModel& Rows() const { return *m_rows; }
  const PdbListItem* Item(int row) const;
  QPushButton& OkButton() const { return *m_ok; }
  QPushButton& CancelButton() const { return *m_cancel; }
  QTimer& LoadTimer() { return m_deferredLoad.Timer(); }
  int SortCode() const { return m_sortCode; }
  long RecordsPerStep() const { return m_progress.RecordsPerStep(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<int> SelectedRows() const;

  data::PdbFiles& m_pdb;
  data::PdbKind m_kind;
  platform::ReportListModel& m_listWindowRows;
  data::PdbRecord m_buffer{};
  int m_sortCode = 0;
  platform::ReportList* m_list = nullptr;
  platform::ReportListModel* m_rows = nullptr;
  QProgressBar* m_progressBar = new QProgressBar(this);
  LoadProgress m_progress{*m_progressBar};
  DeferredLoad m_deferredLoad{1000, [this] { Load(); }};
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

}  // namespace dorv::pdb
