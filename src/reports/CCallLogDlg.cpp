#include "reports/CCallLogDlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "reports/CsvExport.h"
#include "reports/LogMonths.h"
#include "reports/ReportCsv.h"
#include "res/Strings.h"

namespace dorv::reports {

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
  CallListHooks hooks;
  hooks.callsChanged = [this] {
    // A call moved into a month without a log made that month's log.
    FillMonthBox(m_shown, std::time(nullptr));
    LoadMonth();
  };
  hooks.callRemoved = [this] {
    m_print->setEnabled(m_calls->Rows().rowCount() > 0 && m_openers.print);
  };
  m_calls = new CallListPane(m_files, m_openers, std::move(hooks), this);
  m_print = new QPushButton(res::kCallLogButtonPrint, this);
  m_close = new QPushButton(res::kButtonClose, this);
  m_calls->AddButton(m_print);
  m_export = new QPushButton(res::kExportButton, this);
  m_calls->AddButton(m_export);
  connect(m_export, &QPushButton::clicked, this, &CCallLogDlg::OnExport);
  m_calls->AddButton(m_close);

  auto* monthRow = new QHBoxLayout;
  monthRow->addWidget(platform::LabelFor(res::kCallLogLabelLogsAvailable, m_monthBox));
  monthRow->addWidget(m_monthBox, 1);
  monthRow->addStretch(2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(monthRow);
  layout->addWidget(m_calls, 1);
  resize(1000, 620);

  m_close->setDefault(true);
  connect(m_monthBox, &QComboBox::activated, this, &CCallLogDlg::OnMonthSelected);
  connect(m_print, &QPushButton::clicked, this, &CCallLogDlg::OnPrint);
  connect(m_close, &QPushButton::clicked, this, [this] { done(1); });
}

QPushButton& CCallLogDlg::Button(CallLogButton button) const {
  switch (button) {
    case CallLogButton::Edit: return m_calls->EditButton();
    case CallLogButton::Delete: return m_calls->DeleteButton();
    case CallLogButton::Print: return *m_print;
    case CallLogButton::Export: return *m_export;
    case CallLogButton::Close: break;
  }
  return *m_close;
}

void CCallLogDlg::FillMonthBox(const std::optional<data::LogMonth>& keep, std::time_t now) {
  m_months = data::ListLogMonths();
  m_monthBox->clear();
  for (const data::LogMonth& month : m_months)
    m_monthBox->addItem(platform::FromRecord(MonthText(month)));
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

void CCallLogDlg::LoadMonth() {
  // The totals always belong to the rows shown, even when the month cannot be read; with no
  // month at all there are no totals to show.
  CallRows calls;
  MonthRead read = MonthRead::Complete;
  if (m_shown) {
    data::CallLogRecord buffer{};
    const data::LogMonth month = *m_shown;
    read = ReadMonthCalls(m_files.callLog, buffer, month, [&](long index) {
      calls.Add(std::make_unique<CallListItem>(buffer, m_files.myInfo,
                                               LoggedCall{month.month, month.year, index}));
    });
  }
  const bool anyMonth = m_shown.has_value();
  m_calls->ShowCalls(std::move(calls));
  if (!anyMonth) m_calls->ClearTotals();
  m_print->setEnabled(m_calls->Rows().rowCount() > 0 && m_openers.print);
  m_export->setEnabled(anyMonth);
  if (read != MonthRead::Complete) platform::Ask(this, res::kCallLogErrorAccess);
}

void CCallLogDlg::OnColumnClick(int column) { m_calls->OnColumnClick(column); }
void CCallLogDlg::OnEdit() { m_calls->OnEdit(); }
void CCallLogDlg::OnDelete() { m_calls->OnDelete(); }

void CCallLogDlg::OnPrint() {
  if (!m_openers.print || m_calls->Rows().rowCount() == 0) return;
  CallListPrint list;
  list.rows = m_calls->ShownCalls();
  list.monthText = m_monthBox->currentText();
  list.totals = m_calls->Sums();
  m_openers.print(list, this);
}

void CCallLogDlg::OnExport() {
  if (!m_shown) return;
  ExportCsv(this, QString("calls-%1.csv").arg(QString::fromStdString(MonthKey(*m_shown))),
            CallsCsv(m_calls->ShownRows()));
}

}  // namespace dorv::reports
