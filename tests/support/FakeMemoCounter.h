#pragma once
#include <cstdint>
#include <optional>

#include "data/MemoCounter.h"

namespace dorv::test {

// A settings copy of the memo counter held in memory; it can be made to fail.
class FakeMemoCounter : public data::MemoCounterStore {
 public:
  bool OpenPlace(bool& created) override {
    if (failOpen) return false;
    created = !placeExists;
    placeExists = true;
    return true;
  }
  bool ReadValue(std::uint32_t& out) override {
    if (!value) return false;
    out = *value;
    return true;
  }
  bool WriteValue(std::uint32_t newValue) override {
    if (failWrite) return false;
    value = newValue;
    return true;
  }

  bool placeExists = false;
  std::optional<std::uint32_t> value;
  bool failOpen = false;
  bool failWrite = false;
};

}  // namespace dorv::test
