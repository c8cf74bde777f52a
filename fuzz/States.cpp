// A state table holding the fuzz input: every state read, then looked up by a fuzzed code,
// group and name.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/StateTables.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const char* name = input.Flag() ? kNorthAmericanStates : kOtherStates;
  const std::string code = input.Text();
  const std::string group = input.Text();
  const std::string stateName = input.Text();
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(name, input.Rest());

  StateTable table;
  if (!table.Open(name)) return 0;
  const long count = table.Count();
  StateRecord state{};
  for (long index = -1; index <= std::min(count, dorv::fuzz::kMaxRecords); ++index)
    table.ReadState(index, state);
  std::string found;
  table.FindStateByCode(code, found, group);
  table.FindStateByName(stateName, state);
  return 0;
}
