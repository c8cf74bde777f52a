#pragma once
#include <span>

#include "data/Charges.h"
#include "platform/EntryDialog.h"
#include "rating/dialogs/SurchargeSlots.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dorv::rating {

// Adds a surcharge to a copy of the user's 20 slots, or edits one of them. On OK the
// dialog's copy holds the change; the opener takes it with Slots().
class CSurchargeDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CSurchargeDlg)

 public:
  enum class Mode { Add = 1, Edit = 2 };

  // slot is the slot edited in Edit mode; Add ignores it.
  explicit CSurchargeDlg(Mode mode, int slot, std::span<const data::Surcharge, kListSlots> table,
                         QWidget* parent = nullptr);

  const SurchargeList& Slots() const { return m_slots; }
  bool Changed() const { return m_changed; }

  void accept() override;  // stores the fields; stays open when they are refused
  void reject() override;  // asks first when anything changed

 private:
  void FillFields();
  void ShowPeriodState();
  bool Save();

  Mode m_mode;
  int m_slot;
  SurchargeList m_slots;
  bool m_changed = false;
  QString m_shownCost;  // the cost text as filled in, to keep an untouched cost exactly

  QLineEdit* m_description;
  QLineEdit* m_cost;
  QComboBox* m_type;
  QLineEdit* m_period;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

}  // namespace dorv::rating
