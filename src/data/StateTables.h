#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordFile.h"

namespace dorv::data {

inline constexpr const char* kNorthAmericanStates = "dorv7";
inline constexpr const char* kOtherStates = "dorv8";

// One state of a state table, byte for byte as stored (145 bytes, no alignment).
struct StateRecord {
  char code[8];
  char name[128];
  char group[8];  // dialling group of the state's country
  std::uint8_t spare;
};
static_assert(sizeof(StateRecord) == 145);
static_assert(offsetof(StateRecord, name) == 8);
static_assert(offsetof(StateRecord, group) == 136);
static_assert(offsetof(StateRecord, spare) == 144);

void DecodeState(StateRecord& state);
bool EncodeState(StateRecord& state);

// One state table, opened at start-up and kept open.
class StateTable {
 public:
  bool Open(const std::string& name);
  bool Close() { return m_file.Close(); }
  bool IsOpen() const { return m_file.IsOpen(); }
  long Count() const { return m_file.Count(sizeof(StateRecord)); }
  bool ReadState(long index, StateRecord& state);
  // The first state with this code, and with this group unless the group is empty.
  bool FindStateByCode(const std::string& code, std::string& name, const std::string& group);
  bool FindStateByName(const std::string& name, StateRecord& state);
  long FoundIndex() const { return m_foundIndex; }

 private:
  template <typename Matches>
  bool FindFirst(StateRecord& state, Matches matches);
  RecordFile m_file;
  long m_foundIndex = -1;
};

}  // namespace dorv::data
