#pragma once
#include <string>
#include <type_traits>
#include <vector>

#include "RateFiles.h"

namespace dorv::data {

// Byte images of sample files as the readers expect them, for whoever makes such files
// (the sample database generator, tests). Records are given plain and encoded here.

template <typename Record>
void AppendRecord(std::string& image, const Record& record) {
  static_assert(std::is_trivially_copyable_v<Record>);
  image.append(reinterpret_cast<const char*>(&record), sizeof record);
}

// Encodes a copy of the record with its family's encoder and appends it; false when a text
// holds a byte the scrambling cannot store.
template <typename Record, typename Encoder>
bool AppendEncoded(std::string& image, Record record, Encoder encode) {
  if (!encode(record)) return false;
  AppendRecord(image, record);
  return true;
}

// A rate file and its index file, built service by service.
struct RateFileImage {
  std::string data;
  std::string index;
};
bool AddService(RateFileImage& image, const Service& service, const std::vector<RateRow>& rows);

}  // namespace dorv::data
