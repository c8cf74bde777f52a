#pragma once
#include <cstddef>
#include <cstdint>

namespace dorv::data {

// One-byte keys of the shipped sample files' byte scrambling, one per file family.
// The state tables share the band titles' key.
namespace scramble_key {
inline constexpr std::uint8_t kHourDefinitions = 0x47;
inline constexpr std::uint8_t kTitlesAndStates = 0x62;
inline constexpr std::uint8_t kRegions = 0x35;
inline constexpr std::uint8_t kRates = 0x71;
inline constexpr std::uint8_t kTelcos = 0x26;
}  // namespace scramble_key

constexpr std::uint8_t SwapNibbles(std::uint8_t b) {
  return static_cast<std::uint8_t>((b << 4) | (b >> 4));
}

// A stored 0xFF reads as 0, so the one plain byte that would encode to 0xFF cannot be stored.
// Every key is chosen so that this byte lies outside ASCII; a NUL encodes to the key itself.
constexpr std::uint8_t UnstorableByte(std::uint8_t key) {
  return SwapNibbles(static_cast<std::uint8_t>(0xFF ^ key));
}
static_assert(UnstorableByte(scramble_key::kHourDefinitions) >= 0x80);
static_assert(UnstorableByte(scramble_key::kTitlesAndStates) >= 0x80);
static_assert(UnstorableByte(scramble_key::kRegions) >= 0x80);
static_assert(UnstorableByte(scramble_key::kRates) >= 0x80);
static_assert(UnstorableByte(scramble_key::kTelcos) >= 0x80);

constexpr std::uint8_t DecodeByte(std::uint8_t stored, std::uint8_t key) {
  return stored == 0xFF ? 0 : SwapNibbles(static_cast<std::uint8_t>(stored ^ key));
}
constexpr std::uint8_t EncodeByte(std::uint8_t plain, std::uint8_t key) {
  return static_cast<std::uint8_t>(SwapNibbles(plain) ^ key);
}

void DecodeBytes(char* bytes, std::size_t count, std::uint8_t key);
// False, with nothing changed, when a byte is the key's unstorable one.
bool EncodeBytes(char* bytes, std::size_t count, std::uint8_t key);

template <std::size_t N>
void DecodeField(char (&field)[N], std::uint8_t key) {
  DecodeBytes(field, N, key);
}
template <std::size_t N>
bool EncodeField(char (&field)[N], std::uint8_t key) {
  return EncodeBytes(field, N, key);
}

}  // namespace dorv::data
