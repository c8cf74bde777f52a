#include "reports/CCallLogDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/Texts.h"
#include "reports/LogMonths.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

constexpr const char* kButtonTexts[] = {res::kButtonEdit, res::kButtonDelete,
                                        res::kCallLogButtonPrint, res::kButtonClose};

QLabel* NewSampleRatesNote(QWidget* parent) {
  auto* note = new QLabel(res::kCallLogSampleRatesNote, parent);
  QFont font("Times New Roman");
  font.setPixelSize(12);
  font.setWeight(QFont::Bold);
  note->setFont(font);
  QPalette palette = note->palette();
  palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
  note->setPalette(palette);
  note->setAttribute(Qt::WA_TranslucentBackground);
  return note;
}

}  // namespace

CCallLogDlg::CCallLogDlg(const CallReportFiles& files, CallReportOpeners openers,
                         QWidget* parent, std::time_t now)
    : QDialog(parent), m_files(files), m_openers(std::move(openers)) {
  BuildControls();
  setWindowTitle(res::kCallLogCaption);
  platform::SetCaption(*this);
  FillMonthBox(std::nullopt, now);
  LoadMonth();
}

CCallLogDlg::~CCallLogDlg() = default;

void CCallLogDlg::BuildControls() {
  m_monthBox = new QComboBox(this);
  m_rows =
      new platform::ReportListModel(CallListColumns(), platform::CompareAs(CompareCallRows), this);
  m_list = new platform::ReportList(false, this);
  m_list->SetModel(m_rows);
  m_list->SetHeaderClickHandler([this](int column) { OnColumnClick(column); });
  m_totalsPane = new CallTotalsPane(this);
  m_memoPane = new CallMemoPane(this);
  m_surchargePane = new CallSurchargePane(this);
  m_note = NewSampleRatesNote(this);
  m_note->hide();
  for (std::size_t i = 0; i < std::size(m_buttons); ++i)
    m_buttons[i] = new QPushButton(kButtonTexts[i], this);

  auto* monthRow = new QHBoxLayout;
  monthRow->addWidget(new QLabel(res::kCallLogLabelLogsAvailable, this));
  monthRow->addWidget(m_monthBox, 1);
  monthRow->addStretch(2);

  auto group = [this](const char* title, QWidget* content) {
    auto* box = new QGroupBox(title, this);
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(content);
    return box;
  };
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : m_buttons) buttons->addWidget(button);
  buttons->addStretch();
  auto* panes = new QHBoxLayout;
  panes->addWidget(group(res::kCallLogLabelMemo, m_memoPane), 3);
  panes->addWidget(group(res::kCallLogLabelCallSurcharges, m_surchargePane), 2);
  panes->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(monthRow);
  layout->addWidget(m_list, 3);
  layout->addWidget(m_totalsPane);
  layout->addLayout(panes, 2);
  layout->addWidget(m_note);
  resize(1000, 620);

  Button(CallLogButton::Close).setDefault(true);
  connect(m_monthBox, &QComboBox::activated, this, &CCallLogDlg::OnMonthSelected);
  connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnCurrentRowChanged(current); });
  connect(m_list, &QAbstractItemView::doubleClicked, this, [this] {
    if (SelectedItem()) EnableRowButtons(true);
  });
  connect(&Button(CallLogButton::Edit), &QPushButton::clicked, this, &CCallLogDlg::OnEdit);
  connect(&Button(CallLogButton::Delete), &QPushButton::clicked, this, &CCallLogDlg::OnDelete);
  connect(&Button(CallLogButton::Print), &QPushButton::clicked, this, &CCallLogDlg::OnPrint);
  connect(&Button(CallLogButton::Close), &QPushButton::clicked, this, [this] { done(1); });
}

QPushButton& CCallLogDlg::Button(CallLogButton button) const {
  return *m_buttons[static_cast<std::size_t>(button)];
}

const CallListItem* CCallLogDlg::Item(int row) const { return m_rows->RowAs<CallListItem>(row); }

const CallListItem* CCallLogDlg::SelectedItem() const {
  QModelIndexList rows = m_list->selectionModel()->selectedRows();
  return rows.isEmpty() ? nullptr : Item(rows.front().row());
}

void CCallLogDlg::FillMonthBox(const std::optional<data::LogMonth>& keep, std::time_t now) {
  m_months = data::ListLogMonths();
  m_monthBox->clear();
  for (const data::LogMonth& month : m_months) m_monthBox->addItem(MonthText(month));
  int selected = InitialMonthIndex(m_months, keep.value_or(MonthOf(now)));
  m_monthBox->setCurrentIndex(selected);
  m_shown = selected >= 0 ? std::optional(m_months[selected]) : std::nullopt;
}

void CCallLogDlg::OnMonthSelected(int index) {
  if (index < 0 || index >= static_cast<int>(m_months.size())) return;
  m_monthBox->setCurrentIndex(index);
  m_shown = m_months[index];
  LoadMonth();
}

void CCallLogDlg::EnableRowButtons(bool enabled) {
  Button(CallLogButton::Edit).setEnabled(enabled && m_openers.callScreen);
  Button(CallLogButton::Delete).setEnabled(enabled);
  if (enabled) Button(CallLogButton::Print).setEnabled(static_cast<bool>(m_openers.print));
}

void CCallLogDlg::ClearCallPanes() {
  m_memoPane->clear();
  m_surchargePane->Clear();
}

void CCallLogDlg::LoadMonth() {
  m_loading = true;
  m_focused = nullptr;
  m_rows->Clear();
  ClearCallPanes();
  EnableRowButtons(false);
  Button(CallLogButton::Print).setEnabled(false);
  if (!m_shown) {
    // No month has a log: nothing to list and no totals.
    m_totals = {};
    m_totalsPane->Clear();
    m_note->hide();
    m_loading = false;
    return;
  }
  // The totals always belong to the rows shown, even when the month cannot be read.
  m_totals = {};
  bool sampleRates = false;
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  data::CallLogRecord buffer{};
  const data::LogMonth month = *m_shown;
  MonthRead read = ReadMonthCalls(m_files.callLog, buffer, month, [&](long index) {
    auto call = std::make_unique<CallListItem>(buffer, m_files.myInfo,
                                               LoggedCall{month.month, month.year, index});
    m_totals.Add(*call);
    sampleRates = sampleRates || call->SampleRates();
    rows.push_back(std::move(call));
  });
  m_rows->AddRows(std::move(rows));
  m_sort.SortRows(*m_rows);
  // The next click on Date sorts the newest call first.
  m_sort.SetToggle(CallListItem::kDate);
  m_totalsPane->Show(m_totals);
  m_note->setVisible(sampleRates);
  Button(CallLogButton::Print).setEnabled(m_rows->rowCount() > 0 && m_openers.print);
  m_loading = false;
  if (read != MonthRead::Complete) platform::Ask(this, res::kCallLogErrorAccess);
}

void CCallLogDlg::OnColumnClick(int column) {
  if (m_rows->rowCount() <= 1 || column < 0 || column >= CallListItem::kColumnCount) return;
  m_sort.Click(column);
  m_sort.SortRows(*m_rows);
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!selected.isEmpty()) m_list->scrollTo(selected.front());
}

void CCallLogDlg::OnCurrentRowChanged(const QModelIndex& current) {
  if (m_loading || !current.isValid()) return;
  const CallListItem* call = Item(current.row());
  if (!call || call == m_focused) return;
  FocusCall(*call);
}

void CCallLogDlg::FocusCall(const CallListItem& call) {
  m_focused = &call;
  m_surchargePane->ShowSurchargesOf(call);
  EnableRowButtons(true);
  m_memoPane->ShowMemoOf(m_files.pdb, call);
}

void CCallLogDlg::OnEdit() {
  const CallListItem* call = SelectedItem();
  if (!m_openers.callScreen || !call) return;
  const LoggedCall where = call->Where();
  if (!ReadLoggedCall(m_files.callLog, where, m_files.currentCall)) {
    platform::Ask(this, res::kCallLogErrorAccess);
    return;
  }
  // The log changed since it was listed: show it as it is now rather than edit another call.
  if (!call->IsCopyOf(m_files.currentCall)) {
    platform::Ask(this, res::kCallLogErrorAccess);
    LoadMonth();
    return;
  }
  if (m_openers.callScreen(where, m_files.currentCall, this) != 1) return;
  // A call moved into a month without a log made that month's log.
  FillMonthBox(m_shown, std::time(nullptr));
  LoadMonth();
}

void CCallLogDlg::OnDelete() {
  const CallListItem* call = SelectedItem();
  if (!call) return;
  if (platform::Ask(this, res::kCallLogAskDelete, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Question) != QMessageBox::Yes)
    return;
  const LoggedCall where = call->Where();
  const std::uint32_t memoFile = call->MemoFileNumber();
  const std::uint32_t key = call->Start();
  // Only the call the row shows is deleted; a log changed since it was listed is shown anew.
  data::CallLogRecord stored{};
  if (!ReadLoggedCall(m_files.callLog, where, stored) || !call->IsCopyOf(stored)) {
    platform::Ask(this, res::kCallLogErrorDelete);
    LoadMonth();
    return;
  }
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
  LoadMonth();
  if (!memoGone) platform::Ask(this, res::kCallLogErrorDelete);
}

void CCallLogDlg::OnPrint() {
  if (!m_openers.print || m_rows->rowCount() == 0) return;
  CallListPrint list;
  list.rows.reserve(static_cast<std::size_t>(m_rows->rowCount()));
  for (int row = 0; row < m_rows->rowCount(); ++row) list.rows.push_back(Item(row));
  list.monthText = m_monthBox->currentText();
  list.totals = m_totals;
  m_openers.print(list, this);
}

}  // namespace dorv::reports
