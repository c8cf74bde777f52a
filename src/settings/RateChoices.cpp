#include "settings/RateChoices.h"

#include "data/FixedText.h"
#include "data/RateFiles.h"

namespace dorv::settings {

std::optional<std::vector<std::string>> ReadServiceNames(const std::string& rateFileName) {
  data::RateFile file;
  if (!file.OpenRateFile(rateFileName)) return std::nullopt;
  const long count = file.ServiceCount();
  std::vector<std::string> names;
  bool ok = count >= 0;
  for (long i = 0; ok && i < count; ++i) {
    data::Service service{};
    ok = file.ReadService(i, service);
    if (ok) names.push_back(data::ReadField(service.callType));
  }
  file.Close();
  if (!ok) return std::nullopt;
  return names;
}

}  // namespace dorv::settings
