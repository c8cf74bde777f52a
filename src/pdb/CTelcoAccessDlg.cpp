#include "pdb/CTelcoAccessDlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::pdb {
namespace {

class TelcoRow final : public platform::ListRow {
 public:
  explicit TelcoRow(const data::TelcoEntry& entry)
      : m_name(data::ReadField(entry.name)), m_accessCode(entry.accessCode) {}
  QString Text(int column) const override {
    return column == 0 ? platform::FromRecord(m_name) : QString::number(m_accessCode);
  }
  const std::string& Name() const { return m_name; }
  std::int32_t AccessCode() const { return m_accessCode; }

 private:
  std::string m_name;
  std::int32_t m_accessCode;
};

int CompareTelcoRows(const TelcoRow& a, const TelcoRow& b, int column) {
  if (column == 1) {
    auto left = a.AccessCode();
    auto right = b.AccessCode();
    return left < right ? -1 : (left > right ? 1 : 0);
  }
  return platform::CompareTextsNoCase(a, b, column);
}

}  // namespace

CTelcoAccessDlg::CTelcoAccessDlg(data::TelcoFile& telcos, bool viewRole, std::int32_t accessCode,
                                 const std::string& company, QWidget* parent)
    : EntryDialog(parent),
      m_telcos(telcos),
      m_viewRole(viewRole),
      m_accessCode(accessCode),
      m_company(company) {
  platform::SetCaption(*this, res::kTelcoAccessCaption);
  auto* layout = new QVBoxLayout(this);
  m_list = new platform::ReportList(m_viewRole, this);
  m_list->setAccessibleName(res::kTelcoAccessCaption);
  m_rows = new platform::ReportListModel(
      {{res::kColumnTelephoneCompany, 80}, {res::kColumnAccessCode, 20}},
      platform::CompareAs(CompareTelcoRows), this);
  m_list->SetModel(m_rows);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->SetHeaderClickHandler([this](int column) { OnHeaderClick(column); });
  connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { TakeRow(current); });
  layout->addWidget(m_list, 1);

  auto* buttons = new QHBoxLayout;
  m_ok = new QPushButton(m_viewRole ? res::kButtonClose : res::kButtonOk, this);
  m_cancel = new QPushButton(res::kButtonCancel, this);
  connect(m_ok, &QPushButton::clicked, this, &CTelcoAccessDlg::OnOk);
  connect(m_cancel, &QPushButton::clicked, this, [this] { done(2); });
  buttons->addStretch(1);
  buttons->addWidget(m_ok);
  if (m_viewRole) {
    m_cancel->hide();
    buttons->addStretch(1);
  } else {
    buttons->addWidget(m_cancel);
  }
  layout->addLayout(buttons);
  resize(480, 420);

  if (!Fill()) {
    platform::Ask(this, res::kErrorTelcoDatabase);
    // The dialog ends as soon as it runs.
    QTimer::singleShot(0, this, [this] { done(2); });
  }
}

bool CTelcoAccessDlg::Fill() {
  m_rows->Clear();
  long count = m_telcos.Count();
  if (count < 0) return false;
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  int preselected = -1;
  data::TelcoEntry entry;
  for (long i = 0; i < count && m_telcos.ReadTelco(i, entry); ++i) {
    auto row = std::make_unique<TelcoRow>(entry);
    if (row->AccessCode() == m_accessCode && row->Name() == m_company)
      preselected = static_cast<int>(rows.size());
    rows.push_back(std::move(row));
  }
  m_rows->AddRows(std::move(rows));
  if (preselected >= 0) {
    QModelIndex index = m_rows->index(preselected, 0);
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  SortOrder order = SortOrderOf(m_sortCode, 2);
  m_rows->Sort(order.column, order.ascending);
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!selected.isEmpty()) m_list->scrollTo(selected.first());
  return true;
}

void CTelcoAccessDlg::OnHeaderClick(int column) {
  if (m_rows->rowCount() < 2) return;
  m_sortCode = m_directions.Click(column);
  SortOrder order = SortOrderOf(m_sortCode, 2);
  m_rows->Sort(order.column, order.ascending);
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!selected.isEmpty()) m_list->scrollTo(selected.first());
}

void CTelcoAccessDlg::TakeRow(const QModelIndex& index) {
  if (!index.isValid()) return;
  const auto* row = m_rows->RowAs<TelcoRow>(index.row());
  m_accessCode = row->AccessCode();
  m_company = row->Name();
}

void CTelcoAccessDlg::OnOk() {
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!selected.isEmpty()) TakeRow(selected.first());
  done(1);
}

void ShowTelcoAccessCodes(data::TelcoFile& telcos, QWidget* parent) {
  CTelcoAccessDlg dialog(telcos, true, 0, {}, parent);
  platform::RunModal(dialog);
}

bool ChooseTelco(data::TelcoFile& telcos, std::int32_t& accessCode, std::string& company,
                 QWidget* parent) {
  CTelcoAccessDlg dialog(telcos, false, accessCode, company, parent);
  if (platform::RunModal(dialog) != 1) return false;
  accessCode = dialog.AccessCode();
  company = dialog.Company();
  return true;
}

}  // namespace dorv::pdb
