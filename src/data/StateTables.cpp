#include "StateTables.h"

#include <cstring>

#include "FixedText.h"
#include "SampleScramble.h"

namespace dorv::data {
namespace {

constexpr std::size_t kTextBytes = offsetof(StateRecord, spare);

}  // namespace

void DecodeState(StateRecord& state) {
  DecodeBytes(reinterpret_cast<char*>(&state), kTextBytes, scramble_key::kTitlesAndStates);
}

bool EncodeState(StateRecord& state) {
  return EncodeBytes(reinterpret_cast<char*>(&state), kTextBytes, scramble_key::kTitlesAndStates);
}

bool StateTable::Open(const std::string& name) {
  m_foundIndex = -1;
  return m_file.Open(name, false);
}

bool StateTable::ReadState(long index, StateRecord& state) {
  std::memset(&state, 0, sizeof state);
  if (!m_file.ReadAt(static_cast<long long>(index) * sizeof state, &state, sizeof state))
    return false;
  DecodeState(state);
  return true;
}

template <typename Matches>
bool StateTable::FindFirst(StateRecord& state, Matches matches) {
  long count = Count();
  for (long i = 0; i < count; ++i) {
    if (!ReadState(i, state)) return false;
    if (matches(state)) {
      m_foundIndex = i;
      return true;
    }
  }
  return false;
}

bool StateTable::FindStateByCode(const std::string& code, std::string& name,
                                 const std::string& group) {
  StateRecord state;
  bool found = FindFirst(state, [&](const StateRecord& s) {
    return ReadField(s.code) == code && (group.empty() || ReadField(s.group) == group);
  });
  if (found) name = ReadField(state.name);
  return found;
}

bool StateTable::FindStateByName(const std::string& name, StateRecord& state) {
  return FindFirst(state, [&](const StateRecord& s) { return ReadField(s.name) == name; });
}

}  // namespace dorv::data
