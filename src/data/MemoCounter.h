#pragma once
#include <cstdint>

namespace dorv::data {

// The copy of the next memo file number that lives with the user's settings rather than in
// the data directory. The platform layer keeps it; tests use their own.
class MemoCounterStore {
 public:
  virtual ~MemoCounterStore() = default;
  // Makes the store's place ready; created tells whether it was missing before.
  virtual bool OpenPlace(bool& created) = 0;
  // False when no number is stored there or it cannot be read.
  virtual bool ReadValue(std::uint32_t& value) = 0;
  virtual bool WriteValue(std::uint32_t value) = 0;
};

// One index entry of a memo file pair: where a call's memo text lies and whose it is.
struct MemoIndexEntry {
  std::uint32_t offset;
  std::uint32_t length;
  std::uint32_t key;  // the call's start time
};
static_assert(sizeof(MemoIndexEntry) == 12);

inline bool IsEmptyMemo(const MemoIndexEntry& entry) { return entry.key == 0 || entry.length == 0; }

}  // namespace dorv::data
