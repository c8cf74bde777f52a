#include "reports/CallLogTestFiles.h"

#include <cstring>

#include "data/FixedText.h"

namespace dorv::test {


CallLogTestFiles::CallLogTestFiles() {
  data::ClearMyInfo(myInfo);
  data::WriteField(myInfo.country, "UNITED STATES");
  data::WriteField(myInfo.intlAccessCode, "011");
}

void CallLogTestFiles::WriteMonth(const std::string& monthYear,
                                  const std::vector<data::CallLogRecord>& calls) {
  std::string bytes;
  for (const data::CallLogRecord& call : calls)
    bytes.append(reinterpret_cast<const char*>(&call), sizeof call);
  db.WriteFile("LOG/" + monthYear + ".LOG", bytes);
}

std::vector<data::CallLogRecord> CallLogTestFiles::ReadMonth(const std::string& monthYear) {
  std::string bytes = db.ReadFile("LOG/" + monthYear + ".LOG");
  std::vector<data::CallLogRecord> calls(bytes.size() / sizeof(data::CallLogRecord));
  if (!calls.empty()) std::memcpy(calls.data(), bytes.data(), calls.size() * sizeof calls[0]);
  return calls;
}

bool CallLogTestFiles::AddMemo(std::uint32_t number, std::uint32_t key, const std::string& text) {
  std::string name = "MEMO/" + std::to_string(number);
  if (!db.Exists(name + ".MMO")) db.WriteFile(name + ".MMO", "");
  if (!db.Exists(name + ".INX")) db.WriteFile(name + ".INX", "");
  if (!pdb.OpenMemoFiles(number)) return false;
  bool added = pdb.AddMemo(text, key);
  pdb.CloseMemoFiles();
  return added;
}

bool CallLogTestFiles::ReadMemo(std::uint32_t number, std::uint32_t key, std::string& text) {
  if (!pdb.OpenMemoFiles(number)) return false;
  bool found = pdb.ReadMemoByKey(key, text);
  pdb.CloseMemoFiles();
  return found;
}

}  // namespace dorv::test
