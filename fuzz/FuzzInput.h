#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace dorv::fuzz {

// The fuzz input taken apart from the front. Past its end every value reads as zero and
// every text as empty, so any input, however short, drives a whole iteration.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

  template <typename T>
  T Value() {
    static_assert(std::is_trivially_copyable_v<T>);
    T value{};
    // An empty input may come without any buffer: nothing is copied then.
    if (std::size_t take = Take(sizeof value)) std::memcpy(&value, m_data + m_at - take, take);
    return value;
  }
  bool Flag() { return Value<std::uint8_t>() & 1; }
  // A text of up to 255 bytes, its length in the byte before it.
  std::string Text() { return Bytes(Value<std::uint8_t>()); }
  // A part of up to 64 KiB, its length in the two bytes before it.
  std::string Part() { return Bytes(Value<std::uint16_t>()); }
  std::string Rest() { return Bytes(m_size - m_at); }

 private:
  std::size_t Take(std::size_t wanted) {
    std::size_t take = wanted < m_size - m_at ? wanted : m_size - m_at;
    m_at += take;
    return take;
  }
  std::string Bytes(std::size_t wanted) {
    std::size_t take = Take(wanted);
    if (take == 0) return {};
    return std::string(reinterpret_cast<const char*>(m_data + m_at - take), take);
  }

  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

}  // namespace dorv::fuzz
