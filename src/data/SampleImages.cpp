#include "SampleImages.h"

#include <limits>

namespace dorv::data {

bool AddService(RateFileImage& image, const Service& service, const std::vector<RateRow>& rows) {
  RateIndexEntry entry{static_cast<std::uint32_t>(image.data.size()),
                       static_cast<std::uint32_t>(rows.size())};
  std::size_t end = image.data.size() + sizeof service + rows.size() * sizeof(RateRow);
  if (end > std::numeric_limits<std::uint32_t>::max()) return false;
  if (!AppendEncoded(image.data, service, EncodeService)) return false;
  for (const RateRow& row : rows) AppendRecord(image.data, row);
  AppendRecord(image.index, entry);
  return true;
}

}  // namespace dorv::data
