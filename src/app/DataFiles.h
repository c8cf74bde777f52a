#pragma once
#include "data/MyInfo.h"
#include "data/PdbFiles.h"

namespace dorv::app {

// Every data file object of the program, owned by main for the whole run and handed to
// whoever needs it. Tests build their own over a temporary directory.
struct DataFiles {
  data::MyInfoFile myInfoFile;
  data::MyInfo myInfo{};
  data::PdbFiles pdb;

  void CloseAllFiles() {
    myInfoFile.Close();
    pdb.Close();
  }
};

}  // namespace dorv::app
