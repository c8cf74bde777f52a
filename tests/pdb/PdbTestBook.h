#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "data/FixedText.h"
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
  PdbTestBook() {
    for (const char* name : {"DORV21", "DORV22", "DORV23"}) db.WriteFile(name, "");
    if (!pdb.Open()) throw std::runtime_error("books do not open");
    data::WriteField(myInfo.country, "UNITED STATES");
    data::WriteField(myInfo.intlAccessCode, "011");
  }

  // Appends the entries, then marks the deleted ones.
  void Add(const std::vector<TestEntry>& entries, data::PdbKind kind = data::PdbKind::Toll) {
    const long first = pdb.Count(kind);
    for (const TestEntry& entry : entries) {
      data::PdbRecord record;
      data::ClearRecord(record);
      data::WriteField(record.type, entry.type);
      data::WriteField(record.name, entry.name);
      data::WriteField(record.country, "UNITED STATES");
      data::WriteField(record.areaCode, entry.areaCode);
      data::WriteField(record.prefix, entry.prefix);
      data::WriteField(record.suffix, entry.suffix);
      record.hidden = entry.hidden ? 1 : 0;
      if (!pdb.Append(record, kind)) throw std::runtime_error("append failed");
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (entries[i].deleted && !pdb.SetDeleted(first + static_cast<long>(i), true, kind))
        throw std::runtime_error("delete failed");
  }

  // Appends count entries named "Entry <n>", every deletedEvery-th deleted (0: none).
  void AddNumbered(long count, long deletedEvery = 0) {
    std::vector<TestEntry> entries;
    for (long i = 0; i < count; ++i)
      entries.push_back({"Business", "Entry " + std::to_string(i), "555", "123",
                         std::to_string(1000 + i), deletedEvery > 0 && i % deletedEvery == 0});
    Add(entries);
  }

  std::vector<std::uint32_t> ActiveFlags() {
    std::vector<std::uint32_t> flags;
    data::PdbRecord record;
    for (long i = 0; pdb.ReadAt(i, record, data::PdbKind::Toll); ++i)
      flags.push_back(record.active);
    return flags;
  }

  TempDatabase db;
  data::PdbFiles pdb;
  data::MyInfo myInfo{};
};

}  // namespace dorv::test
