#include "support/TempDatabase.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dorv::test {

TempDatabase::TempDatabase() {
  std::error_code noCurrent;  // then the destructor has nowhere to go back to
  m_previous = std::filesystem::current_path(noCurrent).string();
  std::string pattern = (std::filesystem::temp_directory_path() / "dorv-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  m_root = pattern;
  std::filesystem::create_directories(m_root + "/DATABASE/LOG");
  std::filesystem::create_directories(m_root + "/DATABASE/MEMO");
  if (chdir(m_root.c_str()) != 0) throw std::runtime_error("chdir failed");
}

TempDatabase::~TempDatabase() {
  if (!m_previous.empty() && chdir(m_previous.c_str()) != 0) std::abort();
  std::error_code ignored;
  std::filesystem::remove_all(m_root, ignored);
}

std::string TempDatabase::Path(const std::string& relativeName) const {
  return m_root + "/DATABASE/" + relativeName;
}

void TempDatabase::WriteFile(const std::string& relativeName, const std::string& bytes) const {
  std::ofstream out(Path(relativeName), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TempDatabase::ReadFile(const std::string& relativeName) const {
  std::ifstream in(Path(relativeName), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempDatabase::Exists(const std::string& relativeName) const {
  return std::filesystem::exists(Path(relativeName));
}

}  // namespace dorv::test
