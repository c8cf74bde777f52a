#pragma once
#include <QString>

#include "platform/EntryDialog.h"
#include "reports/RecurringRules.h"

class QLineEdit;
class QPushButton;

namespace dorv::reports {

// Adds one recurring charge to a copy of the 20 entries, or edits one of them. On OK the
// dialog's copy holds the change; the opener takes it with Entries().
class CRecurringDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CRecurringDlg)

 public:
  enum Mode { kAdd = 1, kEdit = 2 };

  // index is the entry edited in kEdit; kAdd ignores it.
  explicit CRecurringDlg(Mode mode, int index, const RecurringList& entries,
                         QWidget* parent = nullptr);

  const RecurringList& Entries() const { return m_entries; }

  void accept() override;  // stores the fields; stays open when they are refused
  void reject() override;  // asks first when anything changed

 private:
  bool Store();

  Mode m_mode;
  int m_index;
  RecurringList m_entries;
  bool m_changed = false;
  QString m_shownCost;  // the cost as filled in, so an untouched cost keeps its exact amount

  QLineEdit* m_name;
  QLineEdit* m_cost;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

// The message of a refused entry, from the string table.
QString FaultText(RecurringFault fault);

}  // namespace dorv::reports
