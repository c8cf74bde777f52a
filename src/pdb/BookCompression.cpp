#include "pdb/BookCompression.h"

#include <cstddef>
#include <cstring>

namespace dorv::pdb {

CompressResult CompressBook(data::PdbFiles& pdb, data::PdbKind kind,
                            const std::function<void()>& onRecord) {
  const char* fileName = data::BookFileName(kind);
  if (!fileName || pdb.Count(kind) < 0) return {false, pdb.IsOpen(), 0};
  pdb.Close();
  long kept = 0;
  auto keepActive = [&](const unsigned char* stored, long) {
    if (onRecord) onRecord();
    std::uint32_t active;
    std::memcpy(&active, stored + offsetof(data::PdbRecord, active), sizeof active);
    if (active != 1) return false;
    ++kept;
    return true;
  };
  bool rewritten = data::RewriteFile(fileName, sizeof(data::PdbRecord), keepActive);
  bool reopened = pdb.Open();
  return {rewritten, reopened, rewritten ? kept : 0};
}

}  // namespace dorv::pdb
