#pragma once
#include <cstdint>
#include <vector>

#include "data/MyInfo.h"
#include "platform/EntryDialog.h"
#include "settings/MyInfoOpeners.h"
#include "settings/SettingsRules.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dorv::settings {

// The user's own information and program preferences. The dialog works on a copy of the
// settings record; OK checks the entries, stores the copy into the record and writes the
// settings file. The dialling information and the surcharge list, opened from here, store
// their own parts themselves.
class CMyInfoDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CMyInfoDlg)

 public:
  // The first-time setup at start-up, and Setup > Personal Preferences.
  enum Mode { kFirstTimeSetup = 0, kPreferences = 2 };
  explicit CMyInfoDlg(int mode, data::MyInfo& info, data::MyInfoFile& file, MyInfoOpeners openers,
                      QWidget* parent = nullptr);

  bool Changed() const { return m_changed; }

  void accept() override;  // OK: checks and stores; stays open when the check fails
  void reject() override;  // Cancel or the close box: asks first when something changed

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TextEdit {
    TextPlace place;
    QLineEdit* edit;
  };
  struct DigitsEdit {
    const char* label;
    std::int32_t& (*place)(data::MyInfo&);
    QLineEdit* edit;
  };

  void BuildControls();
  void BuildLayout();
  void FillFields();
  void ShowLocation();
  void AddressLeft();
  void LookupLocation();
  void ChangeTelco();
  void OpenDialingInformation();
  void OpenCallSurcharges();
  void OpenMonthlyDefaults();
  QLineEdit* TextField(const char* objectName) const;
  PersonalEntries Entries() const;
  // Checks, asks about digits fields that are no numbers, then stores and writes the file;
  // false when the dialog stays open.
  bool Store();

  int m_mode;
  data::MyInfo& m_info;
  data::MyInfoFile& m_file;
  MyInfoOpeners m_openers;
  data::MyInfo m_edit;
  bool m_changed = false;
  bool m_addressLeft = false;

  std::vector<TextEdit> m_texts;
  std::vector<DigitsEdit> m_digits;
  QCheckBox* m_soundOff;
  QRadioButton* m_clock24;
  QRadioButton* m_clock12;
  QPushButton* m_lookupLocation;
  QPushButton* m_changeTelco;
  QPushButton* m_dialingInformation;
  QPushButton* m_callSurcharges;
  QPushButton* m_monthlyDefaults;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

}  // namespace dorv::settings
