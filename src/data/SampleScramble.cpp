#include "SampleScramble.h"

namespace dorv::data {

void DecodeBytes(char* bytes, std::size_t count, std::uint8_t key) {
  for (std::size_t i = 0; i < count; ++i)
    bytes[i] = static_cast<char>(DecodeByte(static_cast<std::uint8_t>(bytes[i]), key));
}

bool EncodeBytes(char* bytes, std::size_t count, std::uint8_t key) {
  for (std::size_t i = 0; i < count; ++i)
    if (static_cast<std::uint8_t>(bytes[i]) == UnstorableByte(key)) return false;
  for (std::size_t i = 0; i < count; ++i)
    bytes[i] = static_cast<char>(EncodeByte(static_cast<std::uint8_t>(bytes[i]), key));
  return true;
}

}  // namespace dorv::data
