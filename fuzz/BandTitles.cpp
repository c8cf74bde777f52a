// The band titles file holding the fuzz input, read by number and one after another.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/BandTitles.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(kBandTitleFileName, dorv::fuzz::FuzzInput(data, size).Rest());

  BandTitleFile file;
  if (!file.Open()) return 0;
  const long count = file.Count();
  std::string title;
  for (long number = 0; number <= std::min(count, dorv::fuzz::kMaxRecords) + 1; ++number)
    file.ReadTitle(number, title);
  file.Close();
  if (!file.Open()) return 0;
  for (long read = 0; read < dorv::fuzz::kMaxRecords && file.ReadNextTitle(title); ++read) {
  }
  return 0;
}
