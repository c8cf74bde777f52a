#pragma once
#include <cstddef>
#include <cstring>
#include <string>

namespace dorv::data {

// Reads a fixed-width text field: at most the field's width, since a full field has no NUL.
template <std::size_t N>
std::string ReadField(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// Writes a fixed-width text field: clears it, then copies at most width - 1 bytes.
template <std::size_t N>
void WriteField(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), text.size() < N - 1 ? text.size() : N - 1);
}

}  // namespace dorv::data
