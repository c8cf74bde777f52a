#pragma once
#include "data/MyInfo.h"
#include "rating/dialogs/CSurchargeDlg.h"
#include "platform/EntryDialog.h"
#include "rating/dialogs/SurchargeSlots.h"

class QPushButton;

namespace dorv::platform {
class ReportList;
class ReportListModel;
}  // namespace dorv::platform

namespace dorv::rating {

// The user's list of up to 20 surcharges. Works on a copy of the slots; "Close" writes a
// changed copy into the settings record and saves the settings file.
class CSurchargeListDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CSurchargeListDlg)

 public:
  explicit CSurchargeListDlg(data::MyInfo& info, data::MyInfoFile& file, QWidget* parent = nullptr);

  const SurchargeList& Slots() const { return m_slots; }
  bool Changed() const { return m_changed; }

  void accept() override;  // "Close": saves a changed copy, then closes
  void reject() override;  // the close box or Escape: asks first when the copy changed

 private:
  void FillList();
  void ShowButtonState();
  int SelectedSlot() const;
  void AddSurcharge();
  void EditSurcharge();
  void DeleteSurcharge();
  void RunSurchargeDialog(CSurchargeDlg::Mode mode, int slot);
  bool SaveCopy();

  data::MyInfo& m_info;
  data::MyInfoFile& m_file;
  SurchargeList m_slots;
  bool m_changed = false;

  platform::ReportListModel* m_model;
  platform::ReportList* m_list;
  QPushButton* m_add;
  QPushButton* m_edit;
  QPushButton* m_delete;
  QPushButton* m_close;
};

}  // namespace dorv::rating
