#include "pdb/CPdbRecoveryDlg.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "pdb/PdbListItem.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::pdb {

CPdbRecoveryDlg::CPdbRecoveryDlg(data::PdbFiles& pdb, data::PdbKind kind,
                                 platform::ReportListModel& listWindowRows, QWidget* parent)
    : QDialog(parent), m_pdb(pdb), m_kind(kind), m_listWindowRows(listWindowRows) {
  setWindowTitle(res::kRecoveryCaption);
  platform::SetCaption(*this);
  m_rows = new platform::ReportListModel(ListColumns(30, 30, 40), platform::CompareTextsNoCase,
                                         this);
  m_list = NewEntryList(*this, *m_rows, [this](int column) { OnColumnClick(column); });
  m_ok = new QPushButton(res::kButtonOk, this);
  m_cancel = new QPushButton(res::kButtonCancel, this);
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &CPdbRecoveryDlg::OnOk);
  connect(m_cancel, &QPushButton::clicked, this, &CPdbRecoveryDlg::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_progressBar, 1);
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(platform::LabelFor(res::kRecoveryPrompt, m_list));
  layout->addWidget(m_list, 1);
  layout->addLayout(buttons);
  resize(520, 360);

  m_progress.SetUp(m_pdb.Count(m_kind));
  m_progressBar->hide();
}

// Rows not recovered go with the dialog's own model.
CPdbRecoveryDlg::~CPdbRecoveryDlg() = default;

void CPdbRecoveryDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_deferredLoad.OnShown();
}

void CPdbRecoveryDlg::OnLoadTimer() { m_deferredLoad.Fire(); }

void CPdbRecoveryDlg::Load() {
  WaitCursor wait;
  m_progress.Begin();
  m_rows->Clear();
  long count = m_pdb.Count(m_kind);
  if (count < 0) {
    platform::Ask(this, res::kErrorRecoveryAccess);
    m_progress.End();
    done(1);
    return;
  }
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  long read = ReadBook(m_pdb, m_kind, count, m_buffer, [&](long position) {
    m_progress.Record();
    if (m_buffer.active != 1)
      rows.push_back(std::make_unique<PdbListItem>(RecoveryItemOf(m_buffer, position)));
  });
  m_rows->AddRows(std::move(rows));
  m_rows->Sort(m_sortCode, true);
  m_progress.End();
  if (read < count) platform::Ask(this, res::kErrorReadEntry);
}

const PdbListItem* CPdbRecoveryDlg::Item(int row) const { return m_rows->RowAs<PdbListItem>(row); }

std::vector<int> CPdbRecoveryDlg::SelectedRows() const { return SelectedRowsOf(*m_list); }

void CPdbRecoveryDlg::OnColumnClick(int column) {
  if (m_rows->rowCount() <= 1 || column < 0 || column > 2) return;
  m_sortCode = column;
  m_rows->Sort(column, true);
}

void CPdbRecoveryDlg::OnOk() {
  for (auto rows = SelectedRows(); !rows.empty(); rows = SelectedRows()) {
    if (!m_pdb.SetDeleted(Item(rows.front())->Position(), false, m_kind)) {
      platform::Ask(this, res::kErrorDeleteEntry);
      break;
    }
    m_listWindowRows.AddRow(m_rows->TakeRow(rows.front()));
  }
  done(1);
}

void CPdbRecoveryDlg::reject() { done(2); }

}  // namespace dorv::pdb
