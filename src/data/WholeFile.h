#pragma once
#include <string>

namespace dorv::data {

// Writes the bytes as the whole contents of the file at the path (anywhere, not only below
// DATABASE/): first into a scratch file beside it, flushed to disk, then renamed over it. On
// failure the file at the path is as it was and no scratch file is left.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace dorv::data
