#pragma once
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/Rewrite.h"
#include "pdb/BookLoading.h"
#include "pdb/EditorLinks.h"
#include "pdb/PdbListItem.h"
#include "pdb/PdbListRules.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

// The dialogs opened from the list window that live elsewhere. A button whose opener is not
// set stays disabled.
struct PdbListOpeners {
  std::function<EditResult(const EditorRequest&)> editor;
  CallScreenOpener callScreen;
  MemoViewerOpener memoViewer;
  ContactLogOpener contactLog;
  PrintRecordOpener printRecord;
};

enum class ListButton {
  Add, Edit, Delete, Duplicate, Recover, Compress, Close,
  ManualCallEntry, TimeACall, ViewMemo, ViewContactLog, PrintRecord,
};

// The list of one book of the personal database, and every operation on its entries.
class CPdbListDlg final : public QDialog, public EditorList {
  Q_OBJECT
 public:
  CPdbListDlg(data::PdbFiles& pdb, const data::MyInfo& myInfo, data::PdbKind kind,
              PdbListOpeners openers = {}, QWidget* parent = nullptr);
  ~CPdbListDlg() override;
  CPdbListDlg(const CPdbListDlg&) = delete;
  CPdbListDlg& operator=(const CPdbListDlg&) = delete;

  // The one-shot timer's tick: the window is on screen, the rows are read now.
  void OnLoadTimer();
  void Load();
  void OnColumnClick(int column);

  void OnAdd();
  void OnEdit();
  void OnDuplicate();
  void OnDelete();
  void OnRecover();
  void OnCompress();
  void OnTimeACall();
  void OnManualCallEntry();
  void OnViewMemo();
  void OnViewContactLog();
  void OnPrintRecord();
  // What the list does once the editor has ended with the given result.
  void AfterEditor(PdbEditMode mode, EditResult result);

  // What the record editor does to the list while it steps through it.
  int RowCount() const override { return m_rows->rowCount(); }
  int RowOf(long position) const override;
  long PositionOf(int row) const override { return Item(row)->Position(); }
  int SelectRow(int row) override;
  void ShowEntry(long position, const data::PdbRecord& entry) override;

  QPushButton& Button(ListButton button) const;
  platform::ReportList& List() const { return *m_list; }
  platform::ReportListModel& Rows() const { return *m_rows; }
  const PdbListItem* Item(int row) const;
  // The selected rows in list order.
  std::vector<int> SelectedRows() const;
  QProgressBar& Progress() const { return *m_progressBar; }
  QTimer& LoadTimer() { return m_deferredLoad.Timer(); }
  int SortCode() const { return m_sortCode; }
  long RecordsPerStep() const { return m_progress.RecordsPerStep(); }
  long ProgressSteps() const { return m_progress.Steps(); }
  // Tests put in failing system calls for the compression's rewrite.

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void OnSelectionChanged();
  void ApplySelectionButtons(SelectionButtons buttons);
  void DisableRowButtons();
  void SortRows();
  void ScrollToSelected();
  // Adds a selected row for the entry in the work buffer.
  void AddSelectedRow(long position);
  void OpenEditor(PdbEditMode mode);
  // Reads the entry of the first selected row into the work buffer.
  bool ReadFirstSelected(long& position, int& row);
  void OpenCallScreen(rating::CallScreenMode mode);
  bool Wired(ListButton button) const;
  void Enable(ListButton button, bool enabled);

  data::PdbFiles& m_pdb;
  const data::MyInfo& m_myInfo;
  data::PdbKind m_kind;
  PdbListOpeners m_openers;
  data::PdbRecord m_buffer{};
  int m_sortCode = 0;
  SortDirections m_directions;
  platform::ReportList* m_list = nullptr;
  platform::ReportListModel* m_rows = nullptr;
  QProgressBar* m_progressBar = new QProgressBar(this);
  LoadProgress m_progress{*m_progressBar};
  DeferredLoad m_deferredLoad{100, [this] { Load(); }};
  std::array<QPushButton*, 12> m_buttons{};
  bool m_ignoreSelection = false;
};

// Opens the list of one book modally, as the menu's Personal Database commands do; returns
// the dialog's result.
int RunPdbList(data::PdbFiles& pdb, const data::MyInfo& myInfo, data::PdbKind kind,
               QWidget* parent, PdbListOpeners openers = {});

}  // namespace dorv::pdb
