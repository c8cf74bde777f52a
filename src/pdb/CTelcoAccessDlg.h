#pragma once
#include <cstdint>
#include <string>

#include "data/TelcoFile.h"
#include "pdb/PdbListRules.h"
#include "platform/EntryDialog.h"
#include "platform/ReportList.h"

class QPushButton;

namespace dorv::pdb {

// The telephone companies with their access codes: viewed from the menu, or a company chosen.
class CTelcoAccessDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CTelcoAccessDlg)
 public:
  // The current choice is preselected; in the view role only "Close" is shown.
  CTelcoAccessDlg(data::TelcoFile& telcos, bool viewRole, std::int32_t accessCode,
                  const std::string& company, QWidget* parent = nullptr);

  // Result 1 (OK) or 2 (Cancel); on 1 these hold the choice.
  std::int32_t AccessCode() const { return m_accessCode; }
  const std::string& Company() const { return m_company; }

  platform::ReportList* List() const { return m_list; }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  int SortCode() const { return m_sortCode; }

 private:
  // Fills the list; false when the companies cannot be counted.
  bool Fill();
  void OnHeaderClick(int column);
  void TakeRow(const QModelIndex& index);
  void OnOk();

  data::TelcoFile& m_telcos;
  bool m_viewRole;
  std::int32_t m_accessCode;
  std::string m_company;
  int m_sortCode = 0;
  SortDirections m_directions{2};
  platform::ReportList* m_list = nullptr;
  platform::ReportListModel* m_rows = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

// Opens the dialog modally as the menu does (view role).
void ShowTelcoAccessCodes(data::TelcoFile& telcos, QWidget* parent);
// Opens it for choosing; true and the choice filled in when the user pressed OK.
bool ChooseTelco(data::TelcoFile& telcos, std::int32_t& accessCode, std::string& company,
                 QWidget* parent);

}  // namespace dorv::pdb
