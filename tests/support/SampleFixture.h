#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/HourDefinitions.h"
#include "data/SampleImages.h"
#include "data/SampleLocation.h"
#include "data/StateTables.h"
#include "data/TelcoFile.h"
#include "support/TempDatabase.h"

namespace dorv::test {

// Plain records for tests that make their own sample files.
data::HourDefinition MakeBandSet(const std::string& key, const std::string& title1,
                                 std::initializer_list<std::uint16_t> hours);
data::SampleLocation MakeLocation(const std::string& city, const std::string& stateCode,
                                  const std::string& country, const std::string& rateKey);
data::StateRecord MakeState(const std::string& code, const std::string& name,
                            const std::string& group);
data::TelcoEntry MakeTelco(const std::string& name, int accessCode);

// Encodes the records with their family's encoder into one file image.
template <typename Record, typename Encoder>
std::string EncodedImage(std::initializer_list<Record> records, Encoder encode) {
  std::string image;
  for (const Record& record : records) data::AppendEncoded(image, record, encode);
  return image;
}

// One record in each file that start-up opens (dorv3..dorv10), enough to start.
void WriteMinimalSampleFiles(const TempDatabase& db);

// The names of every shipped sample file: dorv1 and dorv3..dorv20.
std::vector<std::string> SampleFileNames();
// Copies the shipped sample files from a directory (the generator's output) into DATABASE/;
// false when one is missing there.
bool CopySampleFiles(const TempDatabase& db, const std::string& fromDir);

}  // namespace dorv::test
