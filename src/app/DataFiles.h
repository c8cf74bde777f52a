#pragma once
#include "data/HourDefinitions.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/SampleTables.h"

namespace dorv::app {

// Every data file object of the program, owned by main for the whole run and handed to
// whoever needs it. Tests build their own over a temporary directory.
struct DataFiles {
  data::MyInfoFile myInfoFile;
  data::MyInfo myInfo{};
  data::PdbFiles pdb;
  data::SampleTables sample;
  data::HourDefinitionFile hourDefinitions;

  void CloseAllFiles() {
    myInfoFile.Close();
    pdb.Close();
    sample.Close();
    hourDefinitions.Close();
  }
};

}  // namespace dorv::app
