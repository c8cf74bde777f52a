#include "reports/CRecurringDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::reports {

QString FaultText(RecurringFault fault) {
  switch (fault) {
    case RecurringFault::NameEmpty:
      return res::kErrorRecurringNameEmpty;
    case RecurringFault::NameTooLong:
      return res::kErrorRecurringNameLong;
    case RecurringFault::CostInvalid:
      return res::kErrorRecurringCost;
    case RecurringFault::ListFull:
      return res::kErrorSaveRecurringData;
  }
  return {};
}

CRecurringDlg::CRecurringDlg(Mode mode, int index, const RecurringList& entries, QWidget* parent)
    : EntryDialog(parent),
      m_mode(mode),
      m_index(index),
      m_entries(entries),
      m_name(new QLineEdit(this)),
      m_cost(new QLineEdit(this)),
      m_ok(new QPushButton(res::kButtonOk, this)),
      m_cancel(new QPushButton(res::kButtonCancel, this)) {
  m_name->setObjectName("name");
  m_cost->setObjectName("cost");
  m_ok->setObjectName("ok");
  m_cancel->setObjectName("cancel");

  auto* form = new QFormLayout;
  form->addRow(res::kRecurringLabelName, m_name);
  form->addRow(res::kRecurringLabelCost, m_cost);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  m_ok->setDefault(true);
  m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 48);

  platform::RefuseNonRecordText(*this);
  setWindowTitle(res::kRecurringCaption);
  platform::SetCaption(*this, mode == kAdd ? res::kRecurringModeAdd : res::kRecurringModeEdit);
  if (m_mode == kEdit && m_index >= 0 && m_index < kRecurringSlots) {
    const data::RecurringCharge& entry = m_entries[m_index];
    m_name->setText(platform::FromRecord(data::ReadField(entry.name)));
    m_shownCost = QString::fromStdString(CostFieldText(entry.amount));
    m_cost->setText(m_shownCost);
  }

  // Only what the user types marks the dialog changed, not the filling above.
  connect(m_name, &QLineEdit::textEdited, this, [this] { m_changed = true; });
  connect(m_cost, &QLineEdit::textEdited, this, [this] { m_changed = true; });
  connect(m_ok, &QPushButton::clicked, this, &CRecurringDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CRecurringDlg::reject);
  m_name->setFocus();
}

bool CRecurringDlg::Store() {
  const int index = m_mode == kAdd ? -1 : m_index;
  const bool noPlace = m_mode == kAdd ? CountInUse(m_entries) >= kRecurringSlots
                                      : m_index < 0 || m_index >= kRecurringSlots;
  if (noPlace) {
    platform::Ask(this, FaultText(RecurringFault::ListFull));
    return false;
  }
  const auto parsed =
      ParseRecurringFields(platform::ToRecord(m_name->text()), m_cost->text().toStdString());
  if (const auto* fault = std::get_if<RecurringFault>(&parsed)) {
    platform::Ask(this, FaultText(*fault));
    return false;
  }
  data::RecurringCharge entry = std::get<data::RecurringCharge>(parsed);
  // The field shows whole cents only; an untouched cost keeps the hundredths of a cent stored.
  if (m_mode == kEdit && m_cost->text() == m_shownCost) entry.amount = m_entries[m_index].amount;
  if (const auto fault = StoreEntry(m_entries, index, entry)) {
    platform::Ask(this, FaultText(*fault));
    return false;
  }
  return true;
}

void CRecurringDlg::accept() {
  if (Store()) QDialog::accept();
}

void CRecurringDlg::reject() {
  CancelAsking(m_changed, res::kAskSaveRecurring, [this] { accept(); });
}

}  // namespace dorv::reports
