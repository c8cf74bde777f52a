#pragma once
#include <span>
#include <vector>

#include "data/Charges.h"
#include "platform/EntryDialog.h"
#include "rating/dialogs/PickerRows.h"
#include "rating/dialogs/SurchargeSlots.h"

class QPushButton;

namespace dorv::platform {
class ReportList;
class ReportListModel;
}  // namespace dorv::platform

namespace dorv::rating {

// Chooses which surcharges of the user's list a call carries: the left list holds those the
// call does not carry, the right list the call's own, headed by the entry's surcharge when it
// has one. On OK Slots() holds the call's new 10 slots; otherwise the slots as given.
class CCallSurchargesDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CCallSurchargesDlg)

 public:
  explicit CCallSurchargesDlg(std::span<const data::Surcharge, kListSlots> list,
                              std::span<const data::Surcharge, kCallSlots> callSlots,
                              double entrySurcharge, QWidget* parent = nullptr);

  const CallSurcharges& Slots() const { return m_slots; }
  bool Changed() const { return m_changed; }

  void accept() override;  // stores the right list into the call's slots
  void reject() override;  // asks first when rows were moved

 private:
  void AddToCall();
  void RemoveFromCall();
  void SelectionMoved(platform::ReportList& list, QPushButton& button, platform::ReportList& other,
                      QPushButton& otherButton);
  void Fill(platform::ReportListModel& model, const std::vector<PickerEntry>& entries);
  // Shows both sides anew, nothing selected and both move buttons disabled.
  void ShowSides(const std::vector<PickerEntry>& available,
                 const std::vector<PickerEntry>& carried);
  std::vector<PickerEntry> Entries(const platform::ReportListModel& model) const;
  static std::vector<int> SelectedRows(const platform::ReportList& list);
  bool Save();

  CallSurcharges m_slots;
  bool m_changed = false;

  platform::ReportListModel* m_availableModel;
  platform::ReportListModel* m_carriedModel;
  platform::ReportList* m_available;
  platform::ReportList* m_carried;
  QPushButton* m_addToCall;
  QPushButton* m_removeFromCall;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

}  // namespace dorv::rating
