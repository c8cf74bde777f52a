#pragma once
#include <string>
#include <vector>

#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"

namespace dorv::test {

struct TestEntry {
  std::string type;
  std::string name;
  std::string areaCode = "555";
  std::string prefix = "123";
  std::string suffix = "4567";
  bool deleted = false;
  bool hidden = false;
};


// A temporary database with three empty books, opened, that tests fill with entries.
class PdbTestBook {
 public:
  PdbTestBook();
  // Appends the entries to the Toll book, then marks the deleted ones.
  void Add(const std::vector<TestEntry>& entries,
           data::PdbKind kind = data::PdbKind::Toll);
  // Appends count entries named "Entry <n>", every deletedEvery-th deleted (0: none).
  void AddNumbered(long count, long deletedEvery = 0);
  std::vector<std::string> NamesInFile(data::PdbKind kind = data::PdbKind::Toll);
  std::vector<std::uint32_t> ActiveFlags(data::PdbKind kind = data::PdbKind::Toll);

  TempDatabase db;
  data::PdbFiles pdb;
  data::MyInfo myInfo{};
};

}  // namespace dorv::test
