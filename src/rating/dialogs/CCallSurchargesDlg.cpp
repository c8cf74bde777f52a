#include "rating/dialogs/CCallSurchargesDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/ReportList.h"
#include "platform/Texts.h"
#include "rating/dialogs/SurchargeRow.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
platform::ReportListModel* NewPickerModel(QObject* parent) {
  return new platform::ReportListModel(
      {{res::kSurchargeColumnDescription, 62}, {res::kSurchargeColumnCost, 38, Qt::AlignRight}},
      platform::CompareAs(CompareSurchargeRows), parent);
}
}  // namespace

CCallSurchargesDlg::CCallSurchargesDlg(std::span<const data::Surcharge, kListSlots> list,
                                       std::span<const data::Surcharge, kCallSlots> callSlots,
                                       double entrySurcharge, QWidget* parent)
    : EntryDialog(parent),
      m_slots(CopySlots(callSlots)),
      m_availableModel(NewPickerModel(this)),
      m_carriedModel(NewPickerModel(this)),
      m_available(new platform::ReportList(false, this)),
      m_carried(new platform::ReportList(false, this)),
      m_addToCall(new QPushButton(res::kSurchargeButtonAddToCall, this)),
      m_removeFromCall(new QPushButton(res::kSurchargeButtonRemoveFromCall, this)),
      m_ok(new QPushButton(res::kButtonOk, this)),
      m_cancel(new QPushButton(res::kButtonCancel, this)) {
  m_available->setObjectName("available");
  m_carried->setObjectName("carried");
  m_available->setAccessibleName(res::kSurchargeListCaption);
  m_carried->setAccessibleName(res::kNameSurchargesOfCall);
  m_addToCall->setObjectName("addToCall");
  m_removeFromCall->setObjectName("removeFromCall");
  m_ok->setObjectName("ok");
  m_cancel->setObjectName("cancel");
  for (platform::ReportList* view : {m_available, m_carried})
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_available->SetModel(m_availableModel);
  m_carried->SetModel(m_carriedModel);
  m_ok->setDefault(true);

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  moves->addWidget(m_addToCall);
  moves->addWidget(m_removeFromCall);
  moves->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QGridLayout(this);
  layout->addWidget(m_available, 0, 0);
  layout->addLayout(moves, 0, 1);
  layout->addWidget(m_carried, 0, 2);
  layout->addLayout(buttons, 1, 0, 1, 3);
  resize(640, 320);

  setWindowTitle(res::kSurchargeListCaption);
  platform::SetCaption(*this);

  const PickerRows rows =
      PartitionSurcharges(list, callSlots, entrySurcharge, res::kSurchargeEntryRow);
  ShowSides(rows.available, rows.carried);

  connect(m_available->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SelectionMoved(*m_available, *m_addToCall, *m_carried, *m_removeFromCall); });
  connect(m_carried->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SelectionMoved(*m_carried, *m_removeFromCall, *m_available, *m_addToCall); });
  connect(m_addToCall, &QPushButton::clicked, this, &CCallSurchargesDlg::AddToCall);
  connect(m_removeFromCall, &QPushButton::clicked, this, &CCallSurchargesDlg::RemoveFromCall);
  connect(m_ok, &QPushButton::clicked, this, &CCallSurchargesDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CCallSurchargesDlg::reject);
}

void CCallSurchargesDlg::SelectionMoved(platform::ReportList& list, QPushButton& button,
                                        platform::ReportList& other, QPushButton& otherButton) {
  if (!list.selectionModel()->hasSelection()) {
    button.setEnabled(false);
    return;
  }
  button.setEnabled(true);
  otherButton.setEnabled(false);
  other.clearSelection();
}

void CCallSurchargesDlg::Fill(platform::ReportListModel& model,
                              const std::vector<PickerEntry>& entries) {
  model.Clear();
  for (const PickerEntry& entry : entries)
    model.AddRow(std::make_unique<SurchargeRow>(entry.surcharge, entry.slot));
}

void CCallSurchargesDlg::ShowSides(const std::vector<PickerEntry>& available,
                                   const std::vector<PickerEntry>& carried) {
  Fill(*m_availableModel, available);
  Fill(*m_carriedModel, carried);
  m_addToCall->setEnabled(false);
  m_removeFromCall->setEnabled(false);
}

std::vector<PickerEntry> CCallSurchargesDlg::Entries(const platform::ReportListModel& model) const {
  std::vector<PickerEntry> entries;
  for (int i = 0; i < model.rowCount(); ++i)
    if (const auto* row = model.RowAs<SurchargeRow>(i))
      entries.push_back({row->Value(), row->Slot()});
  return entries;
}

std::vector<int> CCallSurchargesDlg::SelectedRows(const platform::ReportList& list) {
  std::vector<int> rows;
  for (const QModelIndex& index : list.selectionModel()->selectedRows())
    rows.push_back(index.row());
  return rows;
}

void CCallSurchargesDlg::AddToCall() {
  std::vector<PickerEntry> available = Entries(*m_availableModel);
  std::vector<PickerEntry> carried = Entries(*m_carriedModel);
  const std::vector<int> selected = SelectedRows(*m_available);
  if (selected.empty()) return;
  if (CallSlotsTaken(carried) + static_cast<int>(selected.size()) > kCallSlots) {
    platform::Ask(this, res::kErrorCallSurchargesFull);
    return;
  }
  MoveRows(available, carried, selected);
  m_changed = true;
  ShowSides(available, carried);
}

void CCallSurchargesDlg::RemoveFromCall() {
  std::vector<PickerEntry> available = Entries(*m_availableModel);
  std::vector<PickerEntry> carried = Entries(*m_carriedModel);
  const std::vector<int> selected = SelectedRows(*m_carried);
  if (selected.empty()) return;
  const std::size_t before = carried.size();
  const bool entryRowSelected = MoveRows(carried, available, selected);
  if (carried.size() != before) m_changed = true;
  ShowSides(available, carried);
  if (entryRowSelected) platform::Ask(this, res::kErrorRemoveEntrySurcharge);
}

bool CCallSurchargesDlg::Save() {
  const auto filled = FillCallSlots(Entries(*m_carriedModel));
  if (!filled) {
    platform::Ask(this, res::kErrorCallSurchargesFull);
    return false;
  }
  m_slots = *filled;
  return true;
}

void CCallSurchargesDlg::accept() {
  if (Save()) QDialog::accept();
}

void CCallSurchargesDlg::reject() {
  CancelAsking(m_changed, res::kAskSaveSurcharges, [this] { accept(); });
}

}  // namespace dorv::rating
