#pragma once
#include <memory>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/DataDirectoryLock.h"
#include "data/HourDefinitions.h"
#include "data/MemoCounter.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/SampleTables.h"
#include "platform/MessageNotices.h"
#include "platform/SettingsMemoCounter.h"

namespace dorv::app {

// Every data file object of the program, owned by main for the whole run and handed to
// whoever needs it. Tests build their own over a temporary directory.
struct DataFiles {
  // The settings copy of the memo file counter; tests put in their own.
  std::unique_ptr<data::MemoCounterStore> memoCounter =
      std::make_unique<platform::SettingsMemoCounter>();
  platform::MessageNotices notices;
  data::MyInfoFile myInfoFile;
  data::MyInfo myInfo{};
  data::PdbFiles pdb;
  data::CallLogFile callLog{notices};
  // The call the call screen is filling in, or the one a report read last.
  data::CallLogRecord currentCall{};
  data::SampleTables sample;
  data::HourDefinitionFile hourDefinitions;
  // Held from the start of the start-up until the files close: one program per directory.
  data::DataDirectoryLock directoryLock;

  void CloseAllFiles() {
    myInfoFile.Close();
    pdb.Close();
    callLog.Close();
    sample.Close();
    hourDefinitions.Close();
    directoryLock.Release();
  }
};

}  // namespace dorv::app
