#pragma once
#include <optional>
#include <string>

namespace dorv::data {

// What can be seen wrong with a shipped sample file without reading its records.
enum class SampleDamage {
  Empty,          // no record at all
  PartialRecord,  // the length is not a whole number of records
  IndexPastEnd    // a rate index entry points past the end of its rate file
};

struct DamagedSampleFile {
  std::string name;  // the damaged file, e.g. "dorv7"; for an index entry, the index file
  SampleDamage damage;
  bool operator==(const DamagedSampleFile&) const = default;
};

// Looks at every sample file in DATABASE/ (the location, state, company, hour definition and
// band title files, the rate files with their indexes) and gives the first damaged one. A
// missing file is not reported here: whoever opens it says so.
std::optional<DamagedSampleFile> FindDamagedSampleFile();

}  // namespace dorv::data
