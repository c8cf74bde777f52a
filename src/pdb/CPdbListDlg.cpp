#include "pdb/CPdbListDlg.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include "data/TextPattern.h"
#include "pdb/BookCompression.h"
#include "pdb/CPdbRecoveryDlg.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::pdb {
namespace {

constexpr int kErrorCodeCount = 103;
constexpr int kErrorCodeNoSelection = 101;

constexpr std::array<const char*, 12> kButtonTexts = {
    res::kButtonAdd,      res::kButtonEdit,     res::kButtonDelete,
    res::kButtonDuplicate, res::kButtonRecover, res::kButtonCompress,
    res::kButtonClose,    res::kButtonManualCallEntry, res::kButtonTimeACall,
    res::kButtonViewMemo, res::kButtonViewContactLog,  res::kButtonPrintRecord};

constexpr ListButton kBottomButtons[] = {ListButton::ManualCallEntry, ListButton::TimeACall,
                                         ListButton::ViewMemo, ListButton::ViewContactLog};

QString BookName(data::PdbKind kind) {
  int k = static_cast<int>(kind);
  return (k >= 1 && k <= 3) ? res::kBookNames[k - 1] : QString();
}

}  // namespace

CPdbListDlg::CPdbListDlg(data::PdbFiles& pdb, const data::MyInfo& myInfo, data::PdbKind kind,
                         PdbListOpeners openers, QWidget* parent)
    : QDialog(parent), m_pdb(pdb), m_myInfo(myInfo), m_kind(kind), m_openers(std::move(openers)) {
  BuildControls();
  setWindowTitle(res::kPdbListCaption);
  platform::SetCaption(*this, BookName(kind));
  m_progress.SetUp(m_pdb.Count(m_kind));
  m_directions.Reset();
  m_progressBar->hide();
}

CPdbListDlg::~CPdbListDlg() = default;

void CPdbListDlg::BuildControls() {
  for (std::size_t i = 0; i < m_buttons.size(); ++i)
    m_buttons[i] = new QPushButton(kButtonTexts[i], this);
  m_rows = new platform::ReportListModel(ListColumns(30, 45, 25), platform::CompareTextsNoCase,
                                         this);
  m_list = NewEntryList(*this, *m_rows, [this](int column) { OnColumnClick(column); });
  connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &CPdbListDlg::OnSelectionChanged);
  connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CPdbListDlg::OnSelectionChanged);
  connect(m_list, &QAbstractItemView::doubleClicked, this, [this] {
    if (Wired(ListButton::Edit)) OnEdit();
  });

  auto* side = new QVBoxLayout;
  for (ListButton b : {ListButton::Add, ListButton::Edit, ListButton::Delete,
                       ListButton::Duplicate, ListButton::Recover, ListButton::Compress})
    side->addWidget(&Button(b));
  side->addStretch();
  side->addWidget(&Button(ListButton::Close));
  auto* top = new QHBoxLayout;
  top->addWidget(m_list, 1);
  top->addLayout(side);
  // The progress bar shares the bottom band with the buttons hidden while loading.
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_progressBar, 1);
  for (ListButton b : kBottomButtons) bottom->addWidget(&Button(b));
  bottom->addWidget(&Button(ListButton::PrintRecord));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  resize(640, 420);

  Button(ListButton::Close).setDefault(true);
  for (ListButton b : {ListButton::Edit, ListButton::Delete, ListButton::Duplicate,
                       ListButton::Recover, ListButton::Compress})
    Enable(b, false);
  Enable(ListButton::Add, true);
  for (ListButton b : kBottomButtons) Button(b).hide();
  Button(ListButton::PrintRecord).hide();

  auto on = [this](ListButton b, void (CPdbListDlg::*handler)()) {
    connect(&Button(b), &QPushButton::clicked, this, handler);
  };
  on(ListButton::Add, &CPdbListDlg::OnAdd);
  on(ListButton::Edit, &CPdbListDlg::OnEdit);
  on(ListButton::Delete, &CPdbListDlg::OnDelete);
  on(ListButton::Duplicate, &CPdbListDlg::OnDuplicate);
  on(ListButton::Recover, &CPdbListDlg::OnRecover);
  on(ListButton::Compress, &CPdbListDlg::OnCompress);
  on(ListButton::ManualCallEntry, &CPdbListDlg::OnManualCallEntry);
  on(ListButton::TimeACall, &CPdbListDlg::OnTimeACall);
  on(ListButton::ViewMemo, &CPdbListDlg::OnViewMemo);
  on(ListButton::ViewContactLog, &CPdbListDlg::OnViewContactLog);
  on(ListButton::PrintRecord, &CPdbListDlg::OnPrintRecord);
  connect(&Button(ListButton::Close), &QPushButton::clicked, this, [this] { done(1); });
}

QPushButton& CPdbListDlg::Button(ListButton button) const {
  return *m_buttons[static_cast<std::size_t>(button)];
}

bool CPdbListDlg::Wired(ListButton button) const {
  switch (button) {
    case ListButton::Add:
    case ListButton::Edit:
    case ListButton::Duplicate: return static_cast<bool>(m_openers.editor);
    case ListButton::ManualCallEntry:
    case ListButton::TimeACall: return static_cast<bool>(m_openers.callScreen);
    case ListButton::ViewMemo: return static_cast<bool>(m_openers.memoViewer);
    case ListButton::ViewContactLog: return static_cast<bool>(m_openers.contactLog);
    case ListButton::PrintRecord: return static_cast<bool>(m_openers.printRecord);
    default: return true;
  }
}

void CPdbListDlg::Enable(ListButton button, bool enabled) {
  Button(button).setEnabled(enabled && Wired(button));
}

void CPdbListDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_deferredLoad.OnShown();
}

void CPdbListDlg::OnLoadTimer() { m_deferredLoad.Fire(); }

void CPdbListDlg::Load() {
  for (ListButton b : {ListButton::Delete, ListButton::Edit, ListButton::Duplicate,
                       ListButton::Recover, ListButton::Compress})
    Enable(b, false);
  for (ListButton b : kBottomButtons) Button(b).hide();
  Button(ListButton::PrintRecord).hide();
  WaitCursor wait;
  m_progress.Begin();
  m_list->setUpdatesEnabled(false);
  m_ignoreSelection = true;
  m_rows->Clear();
  m_ignoreSelection = false;

  long count = m_pdb.Count(m_kind);
  if (count < 0) {
    m_list->setUpdatesEnabled(true);
    platform::InternalError(this, kErrorCodeCount);
    m_progress.End();
    done(1);
    return;
  }
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  bool anyDeleted = false;
  // Only the fields a row shows are unscrambled, in a buffer of the list's own: the work
  // buffer is for whole entries, which the editor and the other buttons read afresh.
  data::PdbRecord listed;
  long read = ReadBook(
      m_pdb, m_kind, count, listed,
      [&](long position) {
        m_progress.Record();
        if (listed.active == 1 && listed.hidden == 0)
          rows.push_back(std::make_unique<PdbListItem>(ListItemOf(listed, m_myInfo, position)));
        else if (listed.active == 0)
          anyDeleted = true;
      },
      data::PdbFields::Listed);
  m_rows->AddRows(std::move(rows));
  if (anyDeleted) {
    Enable(ListButton::Recover, true);
    Enable(ListButton::Compress, true);
  }
  m_list->setUpdatesEnabled(true);
  m_directions.SetFlag(PdbListItem::kType);
  SortRows();
  m_progress.End();
  // The rows read so far stay; the user learns that the list is incomplete.
  if (read < count) platform::Ask(this, res::kErrorReadEntry);
}

const PdbListItem* CPdbListDlg::Item(int row) const { return m_rows->RowAs<PdbListItem>(row); }

std::vector<int> CPdbListDlg::SelectedRows() const { return SelectedRowsOf(*m_list); }

void CPdbListDlg::SortRows() {
  SortOrder order = SortOrderOf(m_sortCode);
  m_rows->Sort(order.column, order.ascending);
}

void CPdbListDlg::ScrollToSelected() {
  auto rows = SelectedRows();
  if (!rows.empty()) m_list->scrollTo(m_rows->index(rows.front(), 0));
}

void CPdbListDlg::OnColumnClick(int column) {
  if (m_rows->rowCount() <= 1 || column < 0 || column > 2) return;
  m_sortCode = m_directions.Click(column);
  SortRows();
  ScrollToSelected();
}

void CPdbListDlg::OnSelectionChanged() {
  if (m_ignoreSelection || !m_list->selectionModel()->currentIndex().isValid()) return;
  ApplySelectionButtons(ButtonsForSelection(static_cast<int>(SelectedRows().size())));
}

void CPdbListDlg::ApplySelectionButtons(SelectionButtons buttons) {
  Enable(ListButton::Delete, buttons.rowButtons);
  for (ListButton b : kBottomButtons) {
    Button(b).show();
    Enable(b, buttons.rowButtons);
  }
  Button(ListButton::PrintRecord).show();
  for (ListButton b : {ListButton::Edit, ListButton::Duplicate, ListButton::PrintRecord})
    Enable(b, buttons.singleButtons);
}

void CPdbListDlg::DisableRowButtons() {
  for (ListButton b : {ListButton::Delete, ListButton::Edit, ListButton::PrintRecord,
                       ListButton::Duplicate})
    Enable(b, false);
  for (ListButton b : kBottomButtons) Enable(b, false);
}

void CPdbListDlg::AddSelectedRow(long position) {
  QItemSelectionModel& selection = *m_list->selectionModel();
  m_ignoreSelection = true;
  selection.clear();
  m_ignoreSelection = false;
  m_rows->AddRow(std::make_unique<PdbListItem>(ListItemOf(m_buffer, m_myInfo, position)));
  QModelIndex added = m_rows->index(m_rows->rowCount() - 1, 0);
  selection.setCurrentIndex(added, QItemSelectionModel::ClearAndSelect |
                                       QItemSelectionModel::Rows);
}

void CPdbListDlg::OnAdd() { OpenEditor(PdbEditMode::Add); }
void CPdbListDlg::OnEdit() { OpenEditor(PdbEditMode::Edit); }
void CPdbListDlg::OnDuplicate() { OpenEditor(PdbEditMode::Duplicate); }

void CPdbListDlg::OpenEditor(PdbEditMode mode) {
  if (!m_openers.editor) return;
  long position = -1;
  if (mode != PdbEditMode::Add) {
    auto rows = SelectedRows();
    if (rows.empty()) return;
    position = Item(rows.front())->Position();
  }
  AfterEditor(mode, m_openers.editor({mode, m_kind, position, m_buffer, *this, this}));
}

void CPdbListDlg::AfterEditor(PdbEditMode mode, EditResult result) {
  if (result == EditResult::WriteFailed) {
    platform::Ask(this, res::kErrorSaveEntry);
    return;
  }
  if (result != EditResult::Written) return;
  int editedRow = -1;
  long position;
  if (mode == PdbEditMode::Edit) {
    auto rows = SelectedRows();
    if (rows.empty()) {
      platform::InternalError(this, kErrorCodeNoSelection);
      return;
    }
    editedRow = rows.front();
    position = Item(editedRow)->Position();
  } else {
    position = m_pdb.Count(m_kind) - 1;
    if (position < 0) {
      platform::InternalError(this, kErrorCodeCount);
      return;
    }
  }
  // The work buffer may hold edits the user declined to save: the row shows what is stored.
  if (!m_pdb.ReadAt(position, m_buffer, m_kind)) {
    platform::Ask(this, res::kErrorPersonalDatabase);
    return;
  }
  if (editedRow >= 0) m_rows->TakeRow(editedRow);
  AddSelectedRow(position);
  SortRows();
  ScrollToSelected();
}

int CPdbListDlg::RowOf(long position) const {
  for (int row = 0; row < m_rows->rowCount(); ++row)
    if (Item(row)->Position() == position) return row;
  return -1;
}

void CPdbListDlg::ShowEntry(long position, const data::PdbRecord& entry) {
  m_ignoreSelection = true;
  int row = RowOf(position);
  if (row >= 0) m_rows->TakeRow(row);
  m_rows->AddRow(std::make_unique<PdbListItem>(ListItemOf(entry, m_myInfo, position)));
  SortRows();
  m_ignoreSelection = false;
}

int CPdbListDlg::SelectRow(int row) {
  QItemSelectionModel& selection = *m_list->selectionModel();
  long position = Item(row)->Position();
  selection.setCurrentIndex(m_rows->index(row, 0),
                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  SortRows();
  ScrollToSelected();
  return RowOf(position);
}

void CPdbListDlg::OnDelete() {
  const char* question = DeleteQuestion(static_cast<int>(SelectedRows().size()));
  if (!question) return;
  if (platform::Ask(this, question, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Question) != QMessageBox::Yes)
    return;
  // Rows go one at a time so that a failure leaves the rest selected.
  m_ignoreSelection = true;
  for (auto rows = SelectedRows(); !rows.empty(); rows = SelectedRows()) {
    const PdbListItem& item = *Item(rows.front());
    if (!m_pdb.SetDeleted(item.Position(), true, m_kind)) {
      m_ignoreSelection = false;
      platform::Ask(this, res::kErrorDeleteEntry);
      return;
    }
    m_rows->TakeRow(rows.front());
  }
  // The buttons stay off until the user puts the focus on another row.
  m_list->selectionModel()->clearCurrentIndex();
  m_ignoreSelection = false;
  DisableRowButtons();
  Enable(ListButton::Recover, true);
  Enable(ListButton::Compress, true);
}

void CPdbListDlg::OnRecover() {
  CPdbRecoveryDlg recovery(m_pdb, m_kind, *m_rows, this);
  if (platform::RunModal(recovery) == 1) SortRows();
}

void CPdbListDlg::OnCompress() {
  if (platform::Ask(this, res::kAskCompress, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Question) != QMessageBox::Yes)
    return;
  if (platform::Ask(this, res::kWarnCompressBackup, QMessageBox::Ok | QMessageBox::Cancel,
                    QMessageBox::Warning) != QMessageBox::Ok)
    return;
  for (ListButton b : kBottomButtons) Button(b).hide();
  Button(ListButton::PrintRecord).hide();
  CompressResult result;
  {
    WaitCursor wait;
    m_progress.Begin();
    result = CompressBook(m_pdb, m_kind, [this] { m_progress.Record(); });
    m_progress.End();
  }
  if (!result.rewritten) platform::Ask(this, res::kErrorCompress);
  if (!result.booksOpen) {
    platform::Ask(this, res::kErrorPersonalDatabase);
    done(1);
    return;
  }
  if (!result.rewritten) {
    OnSelectionChanged();
    return;
  }
  m_progress.SetUp(result.kept);
  Load();
  Enable(ListButton::Compress, false);
  Enable(ListButton::Recover, false);
}

bool CPdbListDlg::ReadFirstSelected(long& position, int& row) {
  auto rows = SelectedRows();
  if (rows.empty()) return false;
  row = rows.front();
  position = Item(row)->Position();
  if (m_pdb.ReadAt(position, m_buffer, m_kind)) return true;
  platform::Ask(this, res::kErrorPersonalDatabase);
  return false;
}

void CPdbListDlg::OpenCallScreen(rating::CallScreenMode mode) {
  long position;
  int row;
  if (!m_openers.callScreen || !ReadFirstSelected(position, row)) return;
  m_openers.callScreen(position, m_buffer, m_kind, mode, this);
}

void CPdbListDlg::OnTimeACall() { OpenCallScreen(rating::CallScreenMode::Timing); }
void CPdbListDlg::OnManualCallEntry() { OpenCallScreen(rating::CallScreenMode::ManualEntry); }

void CPdbListDlg::OnViewMemo() {
  long position;
  int row;
  if (!m_openers.memoViewer || !ReadFirstSelected(position, row)) return;
  m_openers.memoViewer(m_buffer, this);
}

void CPdbListDlg::OnViewContactLog() {
  long position;
  int row;
  if (!m_openers.contactLog || !ReadFirstSelected(position, row)) return;
  m_openers.contactLog(position, m_buffer, platform::FromRecord(data::TypeAndName(m_buffer)),
                       Item(row)->PhoneText(), this);
}

void CPdbListDlg::OnPrintRecord() {
  if (!m_openers.printRecord) return;
  auto rows = SelectedRows();
  if (rows.empty()) {
    platform::Ask(this, res::kErrorSelectedEntry);
    return;
  }
  m_openers.printRecord(Item(rows.front())->Position(), m_kind, this);
}

int RunPdbList(data::PdbFiles& pdb, const data::MyInfo& myInfo, data::PdbKind kind,
               QWidget* parent, PdbListOpeners openers) {
  CPdbListDlg dialog(pdb, myInfo, kind, std::move(openers), parent);
  return platform::RunModal(dialog);
}

}  // namespace dorv::pdb
