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
#include "pdb/PdbListItem.h"
#include "pdb/PdbListRules.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

enum class PdbEditMode { Add = 1, Edit = 2, Duplicate = 3 };

class CPdbListDlg;

// What the list window hands the record editor.
struct EditorRequest {
  PdbEditMode mode;
  data::PdbKind kind;
  long position;            // Edit and Duplicate: the entry's position; Add: -1
  data::PdbRecord& buffer;  // the list window's work buffer, where the editor leaves the entry
  CPdbListDlg& list;
  int row;                  // Edit and Duplicate: the row's index in the list; Add: -1
};

// Call-screen modes the list window opens it in.
inline constexpr int kCallScreenManualEntry = 1;
inline constexpr int kCallScreenTiming = 2;

// The dialogs opened from the list window that live elsewhere. A button whose opener is not
// set stays disabled.
struct PdbListOpeners {
  // Returns the editor's result: 1 written, 0 writing failed, anything else nothing written.
  std::function<int(const EditorRequest&)> editor;
  std::function<void(long position, data::PdbRecord& entry, data::PdbKind kind, int mode,
                     QWidget* parent)>
      callScreen;
  std::function<void(data::PdbRecord& entry, QWidget* parent)> memoViewer;
  std::function<void(long position, data::PdbRecord& entry, const QString& title,
                     const QString& phone, QWidget* parent)>
      contactLog;
  std::function<void(long position, data::PdbKind kind, QWidget* parent)> printRecord;
};

enum class ListButton {
  Add, Edit, Delete, Duplicate, Recover, Compress, Close,
  ManualCallEntry, TimeACall, ViewMemo, ViewContactLog, PrintRecord,
};

// The list of one book of the personal database, and every operation on its entries.
class CPdbListDlg final : public QDialog {
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
  void AfterEditor(PdbEditMode mode, int result);

  // What the record editor does to the list while it steps through it.
  // The row of the entry at this position; -1 when none shows it.
  int RowOf(long position) const;
  // The row of the entry at this position shows the work buffer; added when none shows it.
  void ShowEntry(long position);
  // Selects and focuses this row alone, re-sorts and scrolls to it; returns its new index.
  int SelectRow(int row);

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
  void AddRow(long position, bool selected);
  void OpenEditor(PdbEditMode mode);
  // Reads the entry of the first selected row into the work buffer.
  bool ReadFirstSelected(long& position, int& row);
  void OpenCallScreen(int mode);
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
