#pragma once
#include <string>

namespace dorv::test {

// A fresh temporary directory made current for the test's lifetime, with DATABASE/,
// DATABASE/LOG/ and DATABASE/MEMO/ laid out. The previous directory is restored after.
class TempDatabase {
 public:
  TempDatabase();
  ~TempDatabase();
  TempDatabase(const TempDatabase&) = delete;
  TempDatabase& operator=(const TempDatabase&) = delete;

  std::string Path(const std::string& relativeName) const;  // below DATABASE/
  void WriteFile(const std::string& relativeName, const std::string& bytes) const;
  std::string ReadFile(const std::string& relativeName) const;
  bool Exists(const std::string& relativeName) const;

 private:
  std::string m_root;
  std::string m_previous;
};

}  // namespace dorv::test
