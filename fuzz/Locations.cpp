// A region table holding the fuzz input: every location read, its rate key and location text
// taken and its distance from the one before measured.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/Distance.h"
#include "data/PdbText.h"
#include "data/SampleLocation.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const char* const tables[] = {kUnitedStatesTable, kMexicoTable, kCanadaTable,
                                kInternationalTable};
  const char* name = tables[input.Value<std::uint8_t>() % 4];
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(name, input.Rest());

  LocationTable table;
  if (!table.Open(name)) return 0;
  const long count = table.Count();
  SampleLocation location{}, previous{};
  ClearLocation(previous);
  for (long index = -1; index <= std::min(count, dorv::fuzz::kMaxRecords); ++index) {
    if (!table.ReadLocation(index, location)) continue;
    RateKeyOf(location);
    LocationText(LocationPartsOf(location));
    Distance(previous.latitude, previous.longitude, location.latitude, location.longitude);
    previous = location;
  }
  return 0;
}
