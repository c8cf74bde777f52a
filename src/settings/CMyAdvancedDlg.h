#pragma once
#include <vector>

#include "data/MyInfo.h"
#include "platform/EntryDialog.h"
#include "settings/SettingsRules.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dorv::settings {

// The user's dialling information: access codes, directory information and operator numbers,
// default rates and the special dialling codes. Editing stores into the settings record and
// writes the settings file on OK; the read-only mode only shows them.
class CMyAdvancedDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CMyAdvancedDlg)

 public:
  enum Mode { kEditing = 1, kReadOnly = 2 };
  explicit CMyAdvancedDlg(int mode, data::MyInfo& info, data::MyInfoFile& file,
                          QWidget* parent = nullptr);

  bool Changed() const { return m_changed; }

  void accept() override;
  void reject() override;

 private:
  struct Edit {
    TextPlace place;
    QLineEdit* edit;
  };
  struct RateChoice {
    TextPlace place;
    QComboBox* box;
  };

  void BuildLayout();
  void FillRateChoices();
  void MakeReadOnly();
  void Store();

  int m_mode;
  data::MyInfo& m_info;
  data::MyInfoFile& m_file;
  bool m_changed = false;
  std::vector<Edit> m_edits;
  std::vector<RateChoice> m_rates;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

}  // namespace dorv::settings
