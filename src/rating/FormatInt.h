#pragma once
#include <string>

namespace dorv::rating {

// A string table pattern with one "%i" filled in.
std::string FormatInt(const char* pattern, int value);

}  // namespace dorv::rating
