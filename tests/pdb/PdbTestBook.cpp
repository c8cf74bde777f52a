#include "pdb/PdbTestBook.h"

#include <stdexcept>

#include "data/FixedText.h"

namespace dorv::test {

PdbTestBook::PdbTestBook() {
  db.WriteFile("DORV21", "");
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  if (!pdb.Open()) throw std::runtime_error("books do not open");
  data::WriteField(myInfo.country, "UNITED STATES");
  data::WriteField(myInfo.intlAccessCode, "011");
}

void PdbTestBook::Add(const std::vector<TestEntry>& entries, data::PdbKind kind) {
  long first = pdb.Count(kind);
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

void PdbTestBook::AddNumbered(long count, long deletedEvery) {
  std::vector<TestEntry> entries;
  for (long i = 0; i < count; ++i)
    entries.push_back({"Business", "Entry " + std::to_string(i), "555", "123",
                       std::to_string(1000 + i), deletedEvery > 0 && i % deletedEvery == 0});
  Add(entries);
}


std::vector<std::string> PdbTestBook::NamesInFile(data::PdbKind kind) {
  std::vector<std::string> names;
  data::PdbRecord record;
  for (long i = 0; i < pdb.Count(kind) && pdb.ReadAt(i, record, kind); ++i)
    names.push_back(data::ReadField(record.name));
  return names;
}

std::vector<std::uint32_t> PdbTestBook::ActiveFlags(data::PdbKind kind) {
  std::vector<std::uint32_t> flags;
  data::PdbRecord record;
  for (long i = 0; i < pdb.Count(kind) && pdb.ReadAt(i, record, kind); ++i)
    flags.push_back(record.active);
  return flags;
}

}  // namespace dorv::test
