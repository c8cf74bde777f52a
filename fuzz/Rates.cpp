// A rate file and its index, both fuzzed: every service read with the rows that follow it.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/FixedText.h"
#include "data/RateFiles.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const std::string name = "dorv" + std::to_string(11 + input.Value<std::uint8_t>() % 5);
  const std::string index = input.Part();
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(RateIndexFileName(name), index);
  db.WriteFile(name, input.Rest());

  RateFile file;
  if (!file.OpenRateFile(name)) return 0;
  const long count = file.ServiceCount();
  Service service{};
  RateRow row{};
  for (long at = -1; at <= std::min(count, dorv::fuzz::kMaxRecords); ++at) {
    if (!file.ReadService(at, service)) continue;
    ReadField(service.company);
    ReadField(service.callType);
    for (long read = 0; read < 4 * dorv::fuzz::kMaxRecords && file.ReadNextRow(row); ++read) {
    }
  }
  return 0;
}
