#include "FuzzDatabase.h"

#include <filesystem>

namespace dorv::fuzz {

const test::TempDatabase& FreshDatabase() {
  static test::TempDatabase db;
  const std::filesystem::path root = db.Path("");
  for (const auto& entry : std::filesystem::directory_iterator(root))
    std::filesystem::remove_all(entry.path());
  std::filesystem::create_directory(root / "LOG");
  std::filesystem::create_directory(root / "MEMO");
  return db;
}

}  // namespace dorv::fuzz
