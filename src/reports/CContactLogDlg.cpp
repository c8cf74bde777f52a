#include "reports/CContactLogDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "print/PrintoutPages.h"
#include "reports/ContactLogRules.h"
#include "reports/CsvExport.h"
#include "reports/ReportCsv.h"
#include "reports/LogMonths.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

// The years a log can belong to: stored times run from 1970 into 2106.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2106;

QLineEdit* NewReadOnlyField(const QString& text, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  platform::MarkReadOnly(*field);
  return field;
}

QSpinBox* NewYearField(int year, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setRange(kFirstYear, kLastYear);
  field->setValue(year);
  // A typed year counts once it is complete, not at every digit.
  field->setKeyboardTracking(false);
  return field;
}

// Shows the wait cursor for as long as it lives.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

CContactLogDlg::CContactLogDlg(const CallReportFiles& files, CallReportOpeners openers,
                               ContactLogEntry contact, QWidget* parent, std::time_t now)
    : QDialog(parent),
      m_files(files),
      m_openers(std::move(openers)),
      m_entry(contact.entry),
      m_recordNumber(contact.recordNumber) {
  BuildControls(contact);
  setWindowTitle(res::kContactLogCaption);
  platform::SetCaption(*this);
  const data::LogMonth current = MonthOf(now);
  for (MonthSpinBox* month : {m_fromMonth, m_thruMonth}) month->setValue(current.month);
  for (QSpinBox* year : {m_fromYear, m_thruYear}) year->setValue(current.year);
  LoadRange();
  OpenEntryMemo();
  // Every step of the range lists its calls anew.
  for (QSpinBox* field : {static_cast<QSpinBox*>(m_fromMonth), m_fromYear,
                          static_cast<QSpinBox*>(m_thruMonth), m_thruYear})
    connect(field, &QSpinBox::valueChanged, this, &CContactLogDlg::LoadRange);
}

CContactLogDlg::~CContactLogDlg() {
  if (m_entryMemoOpen) m_files.pdb.CloseMemoFiles();
}

void CContactLogDlg::BuildControls(const ContactLogEntry& contact) {
  m_name = NewReadOnlyField(contact.nameText, this);
  m_number = NewReadOnlyField(contact.numberText, this);
  m_fromMonth = new MonthSpinBox(this);
  m_thruMonth = new MonthSpinBox(this);
  m_fromYear = NewYearField(kFirstYear, this);
  m_thruYear = NewYearField(kFirstYear, this);

  CallListHooks hooks;
  hooks.readMemo = [this](const CallListItem& call, std::string& text) {
    return ReadMemo(call, text);
  };
  hooks.memoFilesUsed = [this] { OpenEntryMemo(); };
  hooks.callsChanged = [this] { LoadRange(); };
  m_calls = new CallListPane(m_files, m_openers, std::move(hooks), this);
  m_calls->Totals().SetTotalLabel(res::kContactLogLabelTotal);
  m_print = new QPushButton(res::kCallLogButtonPrint, this);
  m_close = new QPushButton(res::kButtonClose, this);
  m_calls->AddButton(m_print);
  m_export = new QPushButton(res::kExportButton, this);
  m_calls->AddButton(m_export);
  connect(m_export, &QPushButton::clicked, this, [this] {
    const std::string from = MonthKey({m_fromMonth->value(), m_fromYear->value()});
    const std::string thru = MonthKey({m_thruMonth->value(), m_thruYear->value()});
    ExportCsv(this, QString::fromStdString("contact-" + from + "-" + thru + ".csv"),
              CallsCsv(m_calls->ShownRows()));
  });
  m_calls->AddButton(m_close);

  auto* entryRow = new QHBoxLayout;
  entryRow->addWidget(platform::LabelFor(res::kContactLogLabelName, m_name));
  entryRow->addWidget(m_name, 3);
  entryRow->addWidget(platform::LabelFor(res::kContactLogLabelPhone, m_number));
  entryRow->addWidget(m_number, 2);

  auto* range = new QGroupBox(res::kContactLogLabelRange, this);
  auto* rangeRow = new QHBoxLayout(range);
  rangeRow->addWidget(platform::LabelFor(res::kContactLogLabelFrom, m_fromMonth));
  rangeRow->addWidget(m_fromMonth);
  rangeRow->addWidget(m_fromYear);
  rangeRow->addSpacing(24);
  rangeRow->addWidget(platform::LabelFor(res::kContactLogLabelThru, m_thruMonth));
  rangeRow->addWidget(m_thruMonth);
  rangeRow->addWidget(m_thruYear);
  rangeRow->addStretch();
  m_fromYear->setAccessibleName(QString(res::kContactLogLabelFrom) + " " + res::kNameYear);
  m_thruYear->setAccessibleName(QString(res::kContactLogLabelThru) + " " + res::kNameYear);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(entryRow);
  layout->addWidget(range);
  layout->addWidget(m_calls, 1);
  resize(1000, 660);

  m_close->setDefault(true);
  connect(m_close, &QPushButton::clicked, this, [this] { done(1); });
  connect(m_print, &QPushButton::clicked, this, &CContactLogDlg::OnPrint);
}

QPushButton& CContactLogDlg::Button(ContactLogButton button) const {
  switch (button) {
    case ContactLogButton::Edit: return m_calls->EditButton();
    case ContactLogButton::Delete: return m_calls->DeleteButton();
    case ContactLogButton::Print: return *m_print;
    case ContactLogButton::Close: break;
  }
  return *m_close;
}

void CContactLogDlg::LoadRange() {
  WaitCursor wait;
  platform::ReportList& list = m_calls->List();
  list.setUpdatesEnabled(false);
  const data::LogMonth from{m_fromMonth->value(), m_fromYear->value()};
  const data::LogMonth thru{m_thruMonth->value(), m_thruYear->value()};
  std::vector<CallRow> found;
  RangeRead read = ReadContactCalls(m_files.callLog, m_files.myInfo, m_entry, from, thru, found);
  CallRows calls;
  for (CallRow& call : found) calls.Add(std::make_unique<CallListItem>(std::move(call)));
  m_calls->ShowCalls(std::move(calls));
  // A range that ends before it begins lists nothing, and has no totals to show.
  if (MonthsFromThru(from, thru).empty()) m_calls->ClearTotals();
  list.setUpdatesEnabled(true);
  m_print->setEnabled(m_calls->Rows().rowCount() > 0 && m_openers.printContact);
  if (read != RangeRead::Complete) platform::Ask(this, res::kCallLogErrorAccess);
}

void CContactLogDlg::OnPrint() {
  if (!m_openers.printContact || m_calls->Rows().rowCount() == 0) return;
  ContactLogPrint contact;
  contact.list.rows = m_calls->ShownCalls();
  contact.list.totals = m_calls->Sums();
  contact.nameText = m_name->text();
  contact.numberText = m_number->text();
  contact.statusLine = print::NameLine(platform::FromRecord(data::ReadField(m_entry.type)),
                                       platform::FromRecord(data::ReadField(m_entry.name)),
                                       res::kPrintContactLogForRecord, m_recordNumber);
  m_openers.printContact(contact, this);
}

void CContactLogDlg::OpenEntryMemo() {
  m_entryMemoOpen = m_files.pdb.OpenMemoFilesOf(m_entry);
}

CallMemoState CContactLogDlg::ReadMemo(const CallListItem& call, std::string& text) {
  text.clear();
  if (m_entryMemoOpen && call.MemoFileNumber() == m_entry.memoFileNumber &&
      m_files.pdb.ReadMemoByKey(call.Start(), text))
    return CallMemoState::Found;
  // A call logged from another entry with the same number keeps its memo in that entry's
  // files, and the entry's own may have been closed by another reader: the call's memo files
  // are read afresh, and the entry's opened again after.
  CallMemoState state = ReadCallMemo(m_files.pdb, call.MemoFileNumber(), call.Start(), text);
  OpenEntryMemo();
  return state;
}

}  // namespace dorv::reports
