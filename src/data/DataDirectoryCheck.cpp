#include "DataDirectoryCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DatabaseDir.h"

namespace dorv::data {

std::optional<DataFolderProblem> FindDataFolderProblem() {
  for (const char* folder : {"", "LOG", "MEMO"}) {
    auto path = DatabasePath(folder);
    if (!path) return DataFolderProblem{"DATABASE", FolderProblem::Missing};
    if (path->back() == '/') path->pop_back();
    struct stat facts {};
    if (stat(path->c_str(), &facts) != 0 || !S_ISDIR(facts.st_mode))
      return DataFolderProblem{*path, FolderProblem::Missing};
    // The effective user decides, as it does for the files the program opens.
    if (faccessat(AT_FDCWD, path->c_str(), W_OK | X_OK, AT_EACCESS) != 0)
      return DataFolderProblem{*path, FolderProblem::ReadOnly};
  }
  return std::nullopt;
}

}  // namespace dorv::data
