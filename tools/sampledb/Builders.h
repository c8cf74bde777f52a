#pragma once
#include <map>
#include <string>
#include <vector>

#include "Tsv.h"
#include "data/SampleImages.h"

namespace dorv::sampledb {

// The byte images of the sample files, by file name; written only when all were built.
using FileImages = std::map<std::string, std::string>;

// Appends the record of a row, encoded with its family's encoder.
template <typename Record, typename Encoder>
void AppendRow(std::string& image, const TsvRow& row, const Record& record, Encoder encode) {
  if (!data::AppendEncoded(image, record, encode))
    throw TableError(row.Where() + ": a text cannot be stored scrambled");
}

// A destination key as the location tables use it, with where it was first seen.
struct RateKeyUse {
  std::string key;
  std::string timeZoneName;
  std::string where;
};

// The time zone input stored in a location: the standard UTC offset in whole hours for the
// United States, Canada and Mexico, that offset + 5 elsewhere (the reader subtracts 5 again
// outside North America). Half-hour and quarter-hour zones round to the nearest hour, a half
// hour upwards (Newfoundland -3:30 gives -3, India +5:30 gives 6 before the + 5).
int TimeZoneInput(int standardOffsetMinutes, bool northAmerica);

// dorv3 (United States), dorv5 (Canada), dorv4 (Mexico), dorv6 (international). The rate
// keys are gathered in the order of first use, United States table first.
void BuildLocations(const TsvTable& unitedStates, const TsvTable& canada, const TsvTable& mexico,
                    const TsvTable& international, FileImages& images,
                    std::vector<RateKeyUse>& rateKeys);
// dorv7 (North America) and dorv8 (other countries).
void BuildStates(const TsvTable& northAmerica, const TsvTable& other, FileImages& images);
void BuildTelcos(const TsvTable& telcos, FileImages& images);
// dorv1 and dorv10; the band set keys are given out for the services to be checked against.
void BuildBands(const TsvTable& titles, const TsvTable& sets, FileImages& images,
                std::vector<std::string>& bandKeys);

// The price tiers of international destinations.
struct TierTables {
  const TsvTable& countries;  // rate_key -> tier
  const TsvTable& zones;      // tz_prefix -> tier
  const TsvTable& rates;      // service_id, tier -> six rates
};
// dorv11..dorv15 with their index files dorv16..dorv20.
void BuildRates(const TsvTable& services, const TsvTable& rates, const TierTables& tiers,
                const std::vector<RateKeyUse>& rateKeys, const std::vector<std::string>& bandKeys,
                FileImages& images);

}  // namespace dorv::sampledb
