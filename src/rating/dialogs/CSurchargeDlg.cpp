#include "rating/dialogs/CSurchargeDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "rating/dialogs/SurchargeFields.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
enum TypeEntry { kPerCallEntry = 0, kPerTimeEntry = 1 };
}

CSurchargeDlg::CSurchargeDlg(Mode mode, int slot,
                             std::span<const data::Surcharge, kListSlots> table, QWidget* parent)
    : EntryDialog(parent),
      m_mode(mode),
      m_slot(slot),
      m_slots(CopySlots(table)),
      m_description(new QLineEdit(this)),
      m_cost(new QLineEdit(this)),
      m_type(new QComboBox(this)),
      m_period(new QLineEdit(this)),
      m_ok(new QPushButton(res::kButtonOk, this)),
      m_cancel(new QPushButton(res::kButtonCancel, this)) {
  m_description->setObjectName("description");
  m_cost->setObjectName("cost");
  m_type->setObjectName("type");
  m_period->setObjectName("period");
  m_ok->setObjectName("ok");
  m_cancel->setObjectName("cancel");
  m_type->addItem(res::kSurchargePerCall);
  m_type->addItem(res::kSurchargePerTimeDuration);

  auto* form = new QFormLayout;
  form->addRow(res::kSurchargeLabelDescription, m_description);
  form->addRow(res::kSurchargeLabelCost, m_cost);
  form->addRow(res::kSurchargeLabelType, m_type);
  auto* periodRow = new QHBoxLayout;
  periodRow->addWidget(m_period);
  periodRow->addWidget(new QLabel(res::kSurchargeLabelMinutes, this));
  m_period->setAccessibleName(QString(res::kSurchargeLabelUpdatedEvery) + " " +
                              res::kSurchargeLabelMinutes);
  form->addRow(res::kSurchargeLabelUpdatedEvery, periodRow);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  m_ok->setDefault(true);

  platform::RefuseNonRecordText(*this);
  setWindowTitle(res::kSurchargeCaption);
  platform::SetCaption(*this, mode == Mode::Add ? res::kSurchargeModeAdd : res::kSurchargeModeEdit);
  FillFields();
  ShowPeriodState();

  // Only what the user does marks the dialog changed, not the filling above.
  auto markChanged = [this] { m_changed = true; };
  connect(m_description, &QLineEdit::textEdited, this, markChanged);
  connect(m_cost, &QLineEdit::textEdited, this, markChanged);
  connect(m_period, &QLineEdit::textEdited, this, markChanged);
  connect(m_type, &QComboBox::activated, this, [this] {
    m_changed = true;
    ShowPeriodState();
  });
  connect(m_ok, &QPushButton::clicked, this, &CSurchargeDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CSurchargeDlg::reject);
}

void CSurchargeDlg::FillFields() {
  m_type->setCurrentIndex(kPerCallEntry);
  if (m_mode != Mode::Edit || m_slot < 0 || m_slot >= kListSlots) return;
  const data::Surcharge& slot = m_slots[m_slot];
  m_description->setText(DescriptionText(slot));
  m_shownCost = CostFieldText(slot.cost);
  m_cost->setText(m_shownCost);
  if (slot.kind == kPerTimeKind) {
    m_type->setCurrentIndex(kPerTimeEntry);
    m_period->setText(QString::number(slot.minutes));
  }
}

void CSurchargeDlg::ShowPeriodState() {
  const bool perTime = m_type->currentIndex() == kPerTimeEntry;
  platform::MarkReadOnly(*m_period, !perTime);
}

bool CSurchargeDlg::Save() {
  std::optional<int> target;
  if (m_mode == Mode::Add)
    target = FirstFreeSlot(m_slots);
  else if (m_slot >= 0 && m_slot < kListSlots)
    target = m_slot;
  if (!target) {
    platform::Ask(this, res::kErrorSaveSurcharge);
    return false;
  }
  const auto parsed = ParseSurchargeFields({m_description->text(), m_cost->text(),
                                            m_type->currentIndex() == kPerTimeEntry,
                                            m_period->text()});
  if (const auto* fault = std::get_if<FieldFault>(&parsed)) {
    platform::Ask(this, FaultText(*fault));
    return false;
  }
  data::Surcharge surcharge = std::get<data::Surcharge>(parsed);
  // The field shows two decimals only; an untouched cost keeps its stored hundredths of a cent.
  if (m_mode == Mode::Edit && m_cost->text() == m_shownCost) surcharge.cost = m_slots[*target].cost;
  m_slots[*target] = surcharge;
  return true;
}

void CSurchargeDlg::accept() {
  if (Save()) QDialog::accept();
}

void CSurchargeDlg::reject() {
  CancelAsking(m_changed, res::kAskSaveSurcharges, [this] { accept(); });
}

}  // namespace dorv::rating
