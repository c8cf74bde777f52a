#pragma once
#include <optional>
#include <string>

namespace dorv::data {

// Full path of a data file: the current directory, asked afresh at every call,
// followed by "/DATABASE/" and the relative name with its case kept.
// Empty when the current directory cannot be read.
std::optional<std::string> DatabasePath(const std::string& relativeName);

}  // namespace dorv::data
