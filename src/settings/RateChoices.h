#pragma once
#include <optional>
#include <string>
#include <vector>

namespace dorv::settings {

// The names (call types) of the services of a rate file, in file order; nothing when the
// file cannot be opened or a service cannot be read.
std::optional<std::vector<std::string>> ReadServiceNames(const std::string& rateFileName);

}  // namespace dorv::settings
