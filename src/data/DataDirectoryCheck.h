#pragma once
#include <optional>
#include <string>

namespace dorv::data {

enum class FolderProblem {
  Missing,  // absent, or not a folder
  ReadOnly  // the program may not create or change files in it
};

struct DataFolderProblem {
  std::string path;  // the full path of the folder
  FolderProblem problem;
  bool operator==(const DataFolderProblem&) const = default;
};

// Looks at DATABASE/, DATABASE/LOG/ and DATABASE/MEMO/ in this order and gives the first one
// the program cannot keep its files in; nothing when all three are usable.
std::optional<DataFolderProblem> FindDataFolderProblem();

}  // namespace dorv::data
