#include "DatabaseDir.h"

#include <unistd.h>

#include <vector>

namespace dorv::data {

std::optional<std::string> DatabasePath(const std::string& relativeName) {
  std::vector<char> buffer(4096);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return std::nullopt;
  std::string path(buffer.data());
  if (path.empty() || path.back() != '/') path += '/';
  return path + "DATABASE/" + relativeName;
}

}  // namespace dorv::data
