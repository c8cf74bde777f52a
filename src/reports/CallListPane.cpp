#include "reports/CallListPane.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "reports/LogMonths.h"
#include "platform/WarningNote.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

QLabel* NewSampleRatesNote(QWidget* parent) {
  auto* note = new QLabel(res::kCallLogSampleRatesNote, parent);
  platform::StyleWarningLabel(*note);
  return note;
}

// Runs the action when the scope is left, whichever way.
template <class Action>
struct AtExit {
  Action action;
  ~AtExit() { action(); }
};
template <class Action>
AtExit(Action) -> AtExit<Action>;

}  // namespace

void CallRows::Add(std::unique_ptr<CallListItem> call) {
  totals.Add(call->Row());
  if (call->SampleRates()) ++sampleRated;
  rows.push_back(std::move(call));
}

CallListPane::CallListPane(const CallReportFiles& files, const CallReportOpeners& openers,
                           CallListHooks hooks, QWidget* parent)
    : QWidget(parent), m_files(files), m_openers(openers), m_hooks(std::move(hooks)) {
  BuildControls();
  EnableRowButtons(false);
}

CallListPane::~CallListPane() = default;

void CallListPane::BuildControls() {
  m_rows =
      new platform::ReportListModel(CallListColumns(), platform::CompareAs(CompareCallRows), this);
  m_list = new platform::ReportList(false, this);
  m_list->setAccessibleName(res::kNameCalls);
  m_list->SetModel(m_rows);
  m_list->SetHeaderClickHandler([this](int column) { OnColumnClick(column); });
  m_totalsPane = new CallTotalsPane(this);
  m_memoPane = new CallMemoPane(this);
  m_surchargePane = new CallSurchargePane(this);
  m_note = NewSampleRatesNote(this);
  m_note->hide();
  m_edit = new QPushButton(res::kButtonEdit, this);
  m_delete = new QPushButton(res::kButtonDelete, this);

  auto group = [this](const char* title, QWidget* content) {
    auto* box = new QGroupBox(title, this);
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(content);
    return box;
  };
  m_buttons = new QVBoxLayout;
  m_buttons->addWidget(m_edit);
  m_buttons->addWidget(m_delete);
  m_buttons->addStretch();
  auto* panes = new QHBoxLayout;
  panes->addWidget(group(res::kCallLogLabelMemo, m_memoPane), 3);
  panes->addWidget(group(res::kCallLogLabelCallSurcharges, m_surchargePane), 2);
  panes->addLayout(m_buttons);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_list, 3);
  layout->addWidget(m_totalsPane);
  layout->addLayout(panes, 2);
  layout->addWidget(m_note);

  connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnCurrentRowChanged(current); });
  connect(m_list, &QAbstractItemView::doubleClicked, this, [this] {
    if (SelectedItem()) EnableRowButtons(true);
  });
  connect(m_edit, &QPushButton::clicked, this, &CallListPane::OnEdit);
  connect(m_delete, &QPushButton::clicked, this, &CallListPane::OnDelete);
}

void CallListPane::AddButton(QPushButton* button) {
  // Before the stretch, so the report's buttons stand right under Edit and Delete.
  m_buttons->insertWidget(m_buttons->count() - 1, button);
}

const CallListItem* CallListPane::Item(int row) const { return m_rows->RowAs<CallListItem>(row); }

std::vector<const CallListItem*> CallListPane::ShownCalls() const {
  std::vector<const CallListItem*> calls;
  calls.reserve(static_cast<std::size_t>(m_rows->rowCount()));
  for (int row = 0; row < m_rows->rowCount(); ++row) calls.push_back(Item(row));
  return calls;
}

std::vector<CallRow> CallListPane::ShownRows() const {
  std::vector<CallRow> calls;
  for (const CallListItem* call : ShownCalls()) calls.push_back(call->Row());
  return calls;
}

const CallListItem* CallListPane::SelectedItem() const {
  QModelIndexList rows = m_list->selectionModel()->selectedRows();
  return rows.isEmpty() ? nullptr : Item(rows.front().row());
}

void CallListPane::EnableRowButtons(bool enabled) {
  m_edit->setEnabled(enabled && m_openers.callScreen);
  m_delete->setEnabled(enabled);
}

void CallListPane::ClearCallPanes() {
  m_memoPane->clear();
  m_surchargePane->Clear();
}

void CallListPane::ClearCalls() {
  m_loading = true;
  m_focused = nullptr;
  m_rows->Clear();
  ClearCallPanes();
  EnableRowButtons(false);
  m_loading = false;
}

void CallListPane::ShowCalls(CallRows calls) {
  ClearCalls();
  m_loading = true;
  m_totals = calls.totals;
  m_sampleRated = calls.sampleRated;
  m_deletions.clear();
  m_rows->AddRows(std::move(calls.rows));
  m_sort.SortRows(*m_rows);
  // The next click on Date sorts the newest call first.
  m_sort.SetToggle(CallListItem::kDate);
  m_totalsPane->Show(m_totals);
  m_note->setVisible(m_sampleRated > 0);
  m_loading = false;
}

void CallListPane::OnColumnClick(int column) {
  if (m_rows->rowCount() <= 1 || column < 0 || column >= CallListItem::kColumnCount) return;
  m_sort.Click(column);
  m_sort.SortRows(*m_rows);
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!selected.isEmpty()) m_list->scrollTo(selected.front());
}

void CallListPane::OnCurrentRowChanged(const QModelIndex& current) {
  if (m_loading || !current.isValid()) return;
  const CallListItem* call = Item(current.row());
  if (!call || call == m_focused) return;
  FocusCall(*call);
}

void CallListPane::FocusCall(const CallListItem& call) {
  m_focused = &call;
  m_surchargePane->ShowSurchargesOf(call);
  EnableRowButtons(true);
  std::string text;
  CallMemoState state = m_hooks.readMemo
                            ? m_hooks.readMemo(call, text)
                            : ReadCallMemo(m_files.pdb, call.MemoFileNumber(), call.Start(), text);
  m_memoPane->ShowMemo(state, text);
}

void CallListPane::MemoFilesUsed() {
  if (m_hooks.memoFilesUsed) m_hooks.memoFilesUsed();
}

void CallListPane::RemoveDeletedCall(const CallListItem& gone) {
  int row = 0;
  while (row < m_rows->rowCount() && m_rows->Row(row) != &gone) ++row;
  if (row == m_rows->rowCount()) return;
  m_loading = true;
  m_deletions.push_back(PlaceOf(gone));
  m_totals.Remove(gone.Row());
  if (gone.SampleRates()) --m_sampleRated;
  m_focused = nullptr;
  m_list->selectionModel()->clear();
  m_rows->TakeRow(row);  // the last use of `gone`, which goes with its row
  ClearCallPanes();
  EnableRowButtons(false);
  m_sort.SetToggle(CallListItem::kDate);
  m_totalsPane->Show(m_totals);
  m_note->setVisible(m_sampleRated > 0);
  m_loading = false;
  if (m_hooks.callRemoved) m_hooks.callRemoved();
}

LoggedCall CallListPane::PlaceOf(const CallListItem& call) const {
  LoggedCall place = call.Where();
  for (const LoggedCall& deleted : m_deletions) place = PlaceAfterDeleting(place, deleted);
  return place;
}

void CallListPane::CallsChanged() {
  if (m_hooks.callsChanged) m_hooks.callsChanged();
}

void CallListPane::OnEdit() {
  const CallListItem* call = SelectedItem();
  if (!m_openers.callScreen || !call) return;
  const LoggedCall where = PlaceOf(*call);
  if (!ReadLoggedCall(m_files.callLog, where, m_files.currentCall)) {
    platform::Ask(this, res::kCallLogErrorAccess);
    return;
  }
  // The log changed since it was listed: show it as it is now rather than edit another call.
  if (!call->IsCopyOf(m_files.currentCall)) {
    platform::Ask(this, res::kCallLogErrorAccess);
    CallsChanged();
    return;
  }
  AtExit reopen{[this] { MemoFilesUsed(); }};
  if (m_openers.callScreen(where, m_files.currentCall, this) != 1) return;
  CallsChanged();
}

void CallListPane::OnDelete() {
  const CallListItem* call = SelectedItem();
  if (!call) return;
  if (platform::Ask(this, res::kCallLogAskDelete, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Question) != QMessageBox::Yes)
    return;
  const LoggedCall where = PlaceOf(*call);
  const std::uint32_t memoFile = call->MemoFileNumber();
  const std::uint32_t key = call->Start();
  // Only the call the row shows is deleted; a log changed since it was listed is shown anew.
  data::CallLogRecord stored{};
  if (!ReadLoggedCall(m_files.callLog, where, stored) || !call->IsCopyOf(stored)) {
    platform::Ask(this, res::kCallLogErrorDelete);
    CallsChanged();
    return;
  }
  AtExit reopen{[this] { MemoFilesUsed(); }};
  // The record goes first: its rewrite either completes or leaves the log as it was, so a
  // failure loses nothing. Only a memo known to be there is deleted after it.
  std::string memo;
  CallMemoState memoState = ReadCallMemo(m_files.pdb, memoFile, key, memo);
  if (!m_files.callLog.DeleteRecord(where.recordIndex, where.month, where.year)) {
    platform::Ask(this, res::kCallLogErrorDelete);
    return;
  }
  bool memoGone = memoState == CallMemoState::Missing || memoState == CallMemoState::NoMemoFile ||
                  (memoState == CallMemoState::Found && m_files.pdb.DeleteMemoByKey(key, memoFile));
  RemoveDeletedCall(*call);
  if (!memoGone) platform::Ask(this, res::kCallLogErrorDelete);
}

}  // namespace dorv::reports
