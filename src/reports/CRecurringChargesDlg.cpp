#include "reports/CRecurringChargesDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/ReportList.h"
#include "platform/Texts.h"
#include "reports/CRecurringDlg.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

// One list row: a charge's name and amount, and the place of its entry.
class RecurringRow final : public platform::ListRow {
 public:
  RecurringRow(const data::RecurringCharge& entry, int index) : m_entry(entry), m_index(index) {}
  QString Text(int column) const override {
    return column == 0 ? platform::FromRecord(data::ReadField(m_entry.name))
                       : QString::fromStdString(data::MoneyText(m_entry.amount, true));
  }
  int Index() const { return m_index; }

 private:
  data::RecurringCharge m_entry;
  int m_index;
};

RecurringList EntriesOf(const data::RecurringCharge (&charges)[kRecurringSlots]) {
  RecurringList entries{};
  std::copy(std::begin(charges), std::end(charges), entries.begin());
  return entries;
}

data::RecurringFile DefaultsOf(const data::MyInfo& info) {
  data::RecurringFile shown{};
  shown.billingFromDay = info.billingFromDay;
  shown.billingThruDay = info.billingThruDay;
  std::copy(std::begin(info.recurringDefaults), std::end(info.recurringDefaults), shown.charges);
  return shown;
}

}  // namespace

CRecurringChargesDlg::CRecurringChargesDlg(data::MyInfo& info, data::MyInfoFile& file,
                                           QWidget* parent)
    : CRecurringChargesDlg(kDefaults, DefaultsOf(info), parent) {
  m_info = &info;
  m_file = &file;
}

CRecurringChargesDlg::CRecurringChargesDlg(MonthRecurring& month, QWidget* parent)
    : CRecurringChargesDlg(kMonth, month.contents, parent) {
  m_month = &month;
}

CRecurringChargesDlg::CRecurringChargesDlg(Mode mode, const data::RecurringFile& shown,
                                           QWidget* parent)
    : EntryDialog(parent),
      m_mode(mode),
      m_entries(EntriesOf(shown.charges)),
      m_fromDay(new QLineEdit(QString::number(shown.billingFromDay), this)),
      m_thruDay(new QLineEdit(QString::fromStdString(ThruDayText(shown.billingThruDay)), this)),
      m_model(new platform::ReportListModel(
          {{res::kRecurringColumnDescription, 85}, {res::kRecurringColumnCost, 15, Qt::AlignRight}},
          platform::CompareTextsNoCase, this)),
      m_list(new platform::ReportList(false, this)),
      m_sum(new QLineEdit(this)),
      m_add(new QPushButton(res::kButtonAdd, this)),
      m_edit(new QPushButton(res::kButtonEdit, this)),
      m_delete(new QPushButton(res::kButtonDelete, this)),
      m_close(new QPushButton(res::kButtonClose, this)) {
  m_fromDay->setObjectName("fromDay");
  m_thruDay->setObjectName("thruDay");
  m_list->setObjectName("list");
  m_sum->setObjectName("sum");
  m_add->setObjectName("add");
  m_edit->setObjectName("edit");
  m_delete->setObjectName("delete");
  m_close->setObjectName("close");
  m_fromDay->setMaxLength(2);
  platform::MarkReadOnly(*m_thruDay);
  platform::MarkReadOnly(*m_sum);
  m_sum->setAlignment(Qt::AlignRight);
  const int dayWidth = m_fromDay->fontMetrics().horizontalAdvance(QStringLiteral("WEND")) + 16;
  m_fromDay->setFixedWidth(dayWidth);
  m_thruDay->setFixedWidth(dayWidth);
  m_list->SetModel(m_model);
  m_list->header()->setSectionsClickable(false);
  m_close->setDefault(true);

  auto* range = new QHBoxLayout;
  range->addWidget(platform::LabelFor(res::kRecurringLabelFromDay, m_fromDay));
  range->addWidget(m_fromDay);
  range->addWidget(platform::LabelFor(res::kRecurringLabelThruDay, m_thruDay));
  range->addWidget(m_thruDay);
  range->addWidget(new QLabel(res::kRecurringLabelOfTheMonth, this));
  range->addStretch();
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {m_add, m_edit, m_delete}) buttons->addWidget(button);
  buttons->addStretch();
  auto* sum = new QHBoxLayout;
  sum->addWidget(platform::LabelFor(res::kRecurringLabelSubtotal, m_sum));
  sum->addWidget(new QLabel(res::kRecurringLabelDollar, this));
  sum->addWidget(m_sum);
  sum->addStretch();
  sum->addWidget(m_close);
  auto* layout = new QGridLayout(this);
  layout->addLayout(range, 0, 0, 1, 2);
  layout->addWidget(platform::LabelFor(res::kRecurringListHeading, m_list), 1, 0);
  layout->addWidget(m_list, 2, 0);
  layout->addLayout(buttons, 2, 1);
  layout->addLayout(sum, 3, 0, 1, 2);
  resize(800, 420);  // the cost column's 15 hundredths hold "$10000.0000"

  setWindowTitle(res::kRecurringChargesCaption);
  platform::SetCaption(*this);
  FillList();

  connect(m_fromDay, &QLineEdit::textEdited, this, &CRecurringChargesDlg::FromDayEdited);
  connect(m_add, &QPushButton::clicked, this, &CRecurringChargesDlg::AddEntry);
  connect(m_edit, &QPushButton::clicked, this, &CRecurringChargesDlg::EditEntry);
  connect(m_delete, &QPushButton::clicked, this, &CRecurringChargesDlg::DeleteSelected);
  connect(m_close, &QPushButton::clicked, this, &CRecurringChargesDlg::accept);
  connect(m_list, &QAbstractItemView::doubleClicked, this, &CRecurringChargesDlg::EditEntry);
  connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CRecurringChargesDlg::ShowButtonState);
}

void CRecurringChargesDlg::FillList() {
  m_model->Clear();
  for (int i = 0; i < kRecurringSlots; ++i)
    if (EntryInUse(m_entries[i])) m_model->AddRow(std::make_unique<RecurringRow>(m_entries[i], i));
  // The sum with the money text's hundredths of a cent, without its leading "$": a label shows it.
  m_sum->setText(QString::fromStdString(data::MoneyText(SumOf(m_entries), true)).mid(1));
  ShowButtonState();
}

void CRecurringChargesDlg::ShowButtonState() {
  m_add->setEnabled(m_model->rowCount() < kRecurringSlots);
  const bool selected = SelectedEntry() >= 0;
  m_edit->setEnabled(selected);
  m_delete->setEnabled(selected);
}

void CRecurringChargesDlg::FromDayEdited() {
  const auto thru = ThruDayOf(ParseFromDay(m_fromDay->text().toStdString()).value_or(0));
  m_thruDay->setText(thru ? QString::fromStdString(ThruDayText(*thru)) : QString());
  m_changed = true;
}

int CRecurringChargesDlg::SelectedEntry() const {
  const QModelIndexList rows = m_list->selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  const auto* row = m_model->RowAs<RecurringRow>(rows.front().row());
  return row ? row->Index() : -1;
}

void CRecurringChargesDlg::RunRecurringDialog(int mode, int index) {
  CRecurringDlg dialog(static_cast<CRecurringDlg::Mode>(mode), index, m_entries, this);
  if (platform::RunModal(dialog) != QDialog::Accepted) return;
  m_entries = dialog.Entries();
  m_changed = true;
  FillList();
}

void CRecurringChargesDlg::AddEntry() {
  if (CountInUse(m_entries) < kRecurringSlots) RunRecurringDialog(CRecurringDlg::kAdd, -1);
}

void CRecurringChargesDlg::EditEntry() {
  const int index = SelectedEntry();
  if (index >= 0) RunRecurringDialog(CRecurringDlg::kEdit, index);
}

void CRecurringChargesDlg::DeleteSelected() {
  const int index = SelectedEntry();
  if (index < 0) return;
  DeleteEntry(m_entries, index);
  m_changed = true;
  FillList();
}

bool CRecurringChargesDlg::Save() {
  const auto fromDay = ParseFromDay(m_fromDay->text().toStdString());
  if (!fromDay) {
    platform::Ask(this, res::kWarningInvalidDateRange);
    m_fromDay->setFocus();
    return false;
  }
  data::RecurringFile contents{};
  contents.billingFromDay = *fromDay;
  contents.billingThruDay = ParseThruDay(m_thruDay->text().toStdString());
  std::copy(m_entries.begin(), m_entries.end(), contents.charges);
  if (!(m_mode == kMonth ? SaveMonth(contents) : SaveDefaults(contents))) return false;
  m_changed = false;
  return true;
}

bool CRecurringChargesDlg::SaveMonth(const data::RecurringFile& contents) {
  if (m_month->handle < 0) {
    platform::Ask(this, res::kErrorRecurringFileAccess);
    return false;
  }
  // The file is replaced whole, never overwritten in place; the new file's handle takes the
  // old one's place, so the billing dialog goes on with the file as saved.
  if (!data::WriteRecurring(m_month->handle, m_month->month, m_month->year, contents)) {
    platform::Ask(this, res::kErrorSaveRecurringCharges);
    return false;
  }
  m_month->contents = contents;
  return true;
}

bool CRecurringChargesDlg::SaveDefaults(const data::RecurringFile& contents) {
  data::MyInfo updated = *m_info;
  updated.billingFromDay = contents.billingFromDay;
  updated.billingThruDay = contents.billingThruDay;
  std::copy(std::begin(contents.charges), std::end(contents.charges), updated.recurringDefaults);
  if (!m_file->Write(updated)) {
    platform::Ask(this, res::kErrorSaveRecurringCharges);
    return false;
  }
  *m_info = updated;
  return true;
}

void CRecurringChargesDlg::accept() {
  if (m_changed && !Save()) return;
  QDialog::accept();
}

void CRecurringChargesDlg::reject() {
  CancelAsking(m_changed, res::kAskSavePersonalInformation, [this] {
    if (Save()) QDialog::accept();
  });
}

int RunRecurringCharges(QWidget* parent, MonthRecurring& month) {
  CRecurringChargesDlg dialog(month, parent);
  return platform::RunModal(dialog);
}

int RunRecurringDefaults(QWidget* parent, data::MyInfo& info, data::MyInfoFile& file) {
  CRecurringChargesDlg dialog(info, file, parent);
  return platform::RunModal(dialog);
}

}  // namespace dorv::reports
