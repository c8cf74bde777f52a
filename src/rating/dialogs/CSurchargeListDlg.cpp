#include "rating/dialogs/CSurchargeListDlg.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/ReportList.h"
#include "platform/Texts.h"
#include "rating/dialogs/CSurchargeDlg.h"
#include "rating/dialogs/SurchargeRow.h"
#include "res/Strings.h"

namespace dorv::rating {

CSurchargeListDlg::CSurchargeListDlg(data::MyInfo& info, data::MyInfoFile& file, QWidget* parent)
    : EntryDialog(parent),
      m_info(info),
      m_file(file),
      m_slots(CopySlots<kListSlots>(info.surcharges)),
      m_model(new platform::ReportListModel({{res::kSurchargeColumnDescription, 40},
                                             {res::kSurchargeColumnCost, 25, Qt::AlignRight},
                                             {res::kSurchargeColumnType, 18},
                                             {res::kSurchargeColumnInterval, 17}},
                                            platform::CompareAs(CompareSurchargeRows), this)),
      m_list(new platform::ReportList(false, this)),
      m_add(new QPushButton(res::kButtonAdd, this)),
      m_edit(new QPushButton(res::kButtonEdit, this)),
      m_delete(new QPushButton(res::kButtonDelete, this)),
      m_close(new QPushButton(res::kButtonClose, this)) {
  m_list->setObjectName("list");
  m_add->setObjectName("add");
  m_edit->setObjectName("edit");
  m_delete->setObjectName("delete");
  m_close->setObjectName("close");
  m_list->SetModel(m_model);
  m_close->setDefault(true);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {m_add, m_edit, m_delete}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(m_close);
  auto* layout = new QGridLayout(this);
  layout->addWidget(m_list, 0, 0);
  layout->addLayout(buttons, 0, 1);
  resize(560, 320);

  setWindowTitle(res::kSurchargeListCaption);
  m_list->setAccessibleName(res::kSurchargeListCaption);
  platform::SetCaption(*this);
  FillList();

  connect(m_add, &QPushButton::clicked, this, &CSurchargeListDlg::AddSurcharge);
  connect(m_edit, &QPushButton::clicked, this, &CSurchargeListDlg::EditSurcharge);
  connect(m_delete, &QPushButton::clicked, this, &CSurchargeListDlg::DeleteSurcharge);
  connect(m_close, &QPushButton::clicked, this, &CSurchargeListDlg::accept);
  connect(m_list, &QAbstractItemView::doubleClicked, this, &CSurchargeListDlg::EditSurcharge);
  connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CSurchargeListDlg::ShowButtonState);
}

void CSurchargeListDlg::FillList() {
  m_model->Clear();
  for (int i = 0; i < kListSlots; ++i)
    if (SlotInUse(m_slots[i])) m_model->AddRow(std::make_unique<SurchargeRow>(m_slots[i], i));
  ShowButtonState();
}

void CSurchargeListDlg::ShowButtonState() {
  m_add->setEnabled(m_model->rowCount() < kListSlots);
  const bool selected = SelectedSlot() >= 0;
  m_edit->setEnabled(selected);
  m_delete->setEnabled(selected);
}

int CSurchargeListDlg::SelectedSlot() const {
  const QModelIndexList rows = m_list->selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  const auto* row = m_model->RowAs<SurchargeRow>(rows.front().row());
  return row ? row->Slot() : -1;
}

void CSurchargeListDlg::RunSurchargeDialog(CSurchargeDlg::Mode mode, int slot) {
  CSurchargeDlg dialog(mode, slot, m_slots, this);
  if (platform::RunModal(dialog) != QDialog::Accepted) return;
  m_slots = dialog.Slots();
  m_changed = true;
  FillList();
}

void CSurchargeListDlg::AddSurcharge() {
  if (m_model->rowCount() >= kListSlots) return;
  RunSurchargeDialog(CSurchargeDlg::Mode::Add, -1);
}

void CSurchargeListDlg::EditSurcharge() {
  const int slot = SelectedSlot();
  if (slot >= 0) RunSurchargeDialog(CSurchargeDlg::Mode::Edit, slot);
}

void CSurchargeListDlg::DeleteSurcharge() {
  const int slot = SelectedSlot();
  if (slot < 0) return;
  DeleteSlot(m_slots, slot);
  m_changed = true;
  FillList();
}

bool CSurchargeListDlg::SaveCopy() {
  for (int i = 0; i < kListSlots; ++i) m_info.surcharges[i] = m_slots[i];
  if (m_file.Write(m_info)) {
    m_changed = false;
    return true;
  }
  // The settings record keeps the change; the next successful save brings it to the file.
  platform::Ask(this, res::kErrorSaveMyInfoFile);
  return false;
}

void CSurchargeListDlg::accept() {
  if (m_changed) SaveCopy();
  QDialog::accept();
}

void CSurchargeListDlg::reject() {
  CancelAsking(m_changed, res::kAskSavePersonalInformation, [this] {
    if (SaveCopy()) QDialog::accept();
  });
}

}  // namespace dorv::rating
