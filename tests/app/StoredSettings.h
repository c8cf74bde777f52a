#pragma once
#include <QDialog>
#include <QLineEdit>
#include <string>

#include "data/MyInfo.h"
#include "data/TempDatabase.h"
#include "platform/Messages.h"
#include "settings/CMyInfoDlg.h"

namespace dorv::test {

// A MYINFO.BIN whose personal information was stored already, so start-up skips the setup.
inline void WriteStoredSettings(const TempDatabase& db) {
  data::MyInfo info;
  data::ClearMyInfo(info);
  info.infoStored = 1;
  db.WriteFile("MYINFO.BIN", std::string(reinterpret_cast<const char*>(&info), sizeof info));
}

// While alive, answers the first-time setup as a user who fills in every field the check
// needs (the location as if it had been picked) and presses OK; counts the setups run.
class FirstRunAnswer {
 public:
  FirstRunAnswer() {
    platform::SetModalHook([this](QDialog& dialog) {
      if (!qobject_cast<settings::CMyInfoDlg*>(&dialog)) return int(QDialog::Rejected);
      ++m_runs;
      for (const char* field : {"name", "address", "city", "state", "postalCode", "country",
                                "areaCode", "prefix", "suffix"})
        dialog.findChild<QLineEdit*>(field)->setText("1");
      dialog.accept();
      return dialog.result();
    });
  }
  ~FirstRunAnswer() { platform::SetModalHook({}); }
  FirstRunAnswer(const FirstRunAnswer&) = delete;
  FirstRunAnswer& operator=(const FirstRunAnswer&) = delete;
  int Runs() const { return m_runs; }

 private:
  int m_runs = 0;
};

}  // namespace dorv::test
