#include "rating/dialogs/SurchargeSlots.h"

#include "data/CallLogRecord.h"

namespace dorv::rating {

bool SlotInUse(const data::Surcharge& slot) { return slot.description[0] != '\0'; }

int CountInUse(std::span<const data::Surcharge> table) {
  int count = 0;
  for (const data::Surcharge& slot : table) count += SlotInUse(slot) ? 1 : 0;
  return count;
}

std::optional<int> FirstFreeSlot(std::span<const data::Surcharge> table) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (!SlotInUse(table[i])) return static_cast<int>(i);
  return std::nullopt;
}

void DeleteSlot(std::span<data::Surcharge> table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return;
  for (std::size_t i = static_cast<std::size_t>(index); i + 1 < table.size(); ++i)
    table[i] = table[i + 1];
  data::ClearSurcharge(table.back());
}

}  // namespace dorv::rating
