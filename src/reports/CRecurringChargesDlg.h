#pragma once
#include "data/MyInfo.h"
#include "platform/EntryDialog.h"
#include "reports/MonthRecurring.h"
#include "reports/RecurringRules.h"

class QLineEdit;
class QPushButton;

namespace dorv::platform {
class ReportList;
class ReportListModel;
}  // namespace dorv::platform

namespace dorv::reports {

// The list of up to 20 recurring charges with their sum and the monthly billing range, on the
// defaults of the settings (every new month's file is made from them) or on one month's charges
// while the Monthly Billing dialog is open. Works on a copy until it saves.
class CRecurringChargesDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CRecurringChargesDlg)

 public:
  enum Mode { kDefaults = 1, kMonth = 2 };

  // On the defaults: a save stores them in the settings record and writes the settings file.
  CRecurringChargesDlg(data::MyInfo& info, data::MyInfoFile& file, QWidget* parent = nullptr);
  // On the month's charges: a save replaces the month's file and then updates month.
  explicit CRecurringChargesDlg(MonthRecurring& month, QWidget* parent = nullptr);

  Mode DialogMode() const { return m_mode; }
  const RecurringList& Entries() const { return m_entries; }
  bool Changed() const { return m_changed; }

  void accept() override;  // "Close": saves when something changed; stays open when that fails
  void reject() override;  // the close box or Escape: asks first when something changed

 private:
  CRecurringChargesDlg(Mode mode, const data::RecurringFile& shown, QWidget* parent);
  void FillList();
  void ShowButtonState();
  void FromDayEdited();
  int SelectedEntry() const;
  void AddEntry();
  void EditEntry();
  void DeleteSelected();
  void RunRecurringDialog(int mode, int index);
  bool Save();
  bool SaveMonth(const data::RecurringFile& contents);
  bool SaveDefaults(const data::RecurringFile& contents);

  Mode m_mode;
  data::MyInfo* m_info = nullptr;
  data::MyInfoFile* m_file = nullptr;
  MonthRecurring* m_month = nullptr;
  RecurringList m_entries;
  bool m_changed = false;

  QLineEdit* m_fromDay;
  QLineEdit* m_thruDay;
  platform::ReportListModel* m_model;
  platform::ReportList* m_list;
  QLineEdit* m_sum;
  QPushButton* m_add;
  QPushButton* m_edit;
  QPushButton* m_delete;
  QPushButton* m_close;
};

}  // namespace dorv::reports
