// The hour definition file holding the fuzz input: a band set looked up by a fuzzed key and
// its three bands shown in words.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const bool twelveHour = input.Flag();
  const std::string key = input.Text();
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile(kHourDefinitionFileName, input.Rest());

  HourDefinitionFile file;
  if (!file.Open()) return 0;
  file.Count();
  HourDefinition set{};
  if (!file.FindByKey(key, set)) return 0;
  for (int band = 0; band < 3; ++band) {
    std::uint16_t hours[6];
    std::copy_n(set.bandHours + band * 6, 6, hours);
    BandText(ReadField(set.bandTitle[band]), hours, twelveHour, true);
    BandText(ReadField(set.bandTitle[band]), hours, twelveHour, false);
    ReadField(set.bandText[band]);
  }
  return 0;
}
