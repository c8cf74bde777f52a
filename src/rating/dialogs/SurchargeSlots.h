#pragma once
#include <array>
#include <optional>
#include <span>

#include "data/Charges.h"

namespace dorv::rating {

inline constexpr int kListSlots = 20;  // the user's surcharge list
inline constexpr int kCallSlots = 10;  // the surcharges one call carries
inline constexpr int kPerCallKind = 1;
inline constexpr int kPerTimeKind = 2;

using SurchargeList = std::array<data::Surcharge, kListSlots>;
using CallSurcharges = std::array<data::Surcharge, kCallSlots>;

// A slot is in use while its description is not empty.
bool SlotInUse(const data::Surcharge& slot);
int CountInUse(std::span<const data::Surcharge> table);
std::optional<int> FirstFreeSlot(std::span<const data::Surcharge> table);

// Removes one slot: every later slot moves up by one and the last slot becomes unused.
// An index outside the slots changes nothing.
void DeleteSlot(std::span<data::Surcharge> table, int index);

template <std::size_t N>
std::array<data::Surcharge, N> CopySlots(std::span<const data::Surcharge, N> table) {
  std::array<data::Surcharge, N> copy{};
  for (std::size_t i = 0; i < N; ++i) copy[i] = table[i];
  return copy;
}

}  // namespace dorv::rating
