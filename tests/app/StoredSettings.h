#pragma once
#include <string>

#include "data/MyInfo.h"
#include "data/TempDatabase.h"

namespace dorv::test {

// A MYINFO.BIN whose personal information was stored already, so start-up skips the setup.
inline void WriteStoredSettings(const TempDatabase& db) {
  data::MyInfo info;
  data::ClearMyInfo(info);
  info.infoStored = 1;
  db.WriteFile("MYINFO.BIN", std::string(reinterpret_cast<const char*>(&info), sizeof info));
}

}  // namespace dorv::test
