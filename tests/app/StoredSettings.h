#pragma once
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <string>

#include "data/MyInfo.h"
#include "data/TempDatabase.h"
#include "settings/CMyInfoDlg.h"

namespace dorv::test {

// A MYINFO.BIN whose personal information was stored already, so start-up skips the setup.
inline void WriteStoredSettings(const TempDatabase& db) {
  data::MyInfo info;
  data::ClearMyInfo(info);
  info.infoStored = 1;
  db.WriteFile("MYINFO.BIN", std::string(reinterpret_cast<const char*>(&info), sizeof info));
}

// Answers the first-time setup as a user who fills in every field the check needs (the
// location as if it had been picked) and presses OK; for a ModalScript.
inline void AcceptFirstRun(QDialog& dialog) {
  EXPECT_NE(qobject_cast<settings::CMyInfoDlg*>(&dialog), nullptr);
  for (const char* field : {"name", "address", "city", "state", "postalCode", "country", "areaCode",
                            "prefix", "suffix"})
    dialog.findChild<QLineEdit*>(field)->setText("1");
  dialog.accept();
}

}  // namespace dorv::test
