// The telephone company file holding the fuzz input, every company read.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/FixedText.h"
#include "data/TelcoFile.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(kTelcoFileName, dorv::fuzz::FuzzInput(data, size).Rest());

  TelcoFile file;
  if (!file.Open()) return 0;
  const long count = file.Count();
  TelcoEntry entry{};
  for (long index = -1; index <= std::min(count, dorv::fuzz::kMaxRecords); ++index)
    if (file.ReadTelco(index, entry)) ReadField(entry.name);
  return 0;
}
