#include "FormatInt.h"

#include <cstdio>

namespace dorv::rating {

std::string FormatInt(const char* pattern, int value) {
  const int length = std::snprintf(nullptr, 0, pattern, value);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, pattern, value);
  return text;
}

}  // namespace dorv::rating
