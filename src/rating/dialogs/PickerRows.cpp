#include "rating/dialogs/PickerRows.h"

#include <algorithm>
#include <cstring>

#include "data/CallLogRecord.h"
#include "data/FixedText.h"

namespace dorv::rating {

bool IsEntryRow(const PickerEntry& entry) { return entry.slot == kEntrySurchargeSlot; }

namespace {
bool CallCarries(std::span<const data::Surcharge, kCallSlots> call,
                 const data::Surcharge& listed) {
  const std::string description = data::ReadField(listed.description);
  return std::any_of(call.begin(), call.end(), [&](const data::Surcharge& slot) {
    return SlotInUse(slot) && data::ReadField(slot.description) == description;
  });
}
}  // namespace

PickerRows PartitionSurcharges(std::span<const data::Surcharge, kListSlots> list,
                               std::span<const data::Surcharge, kCallSlots> call,
                               double entrySurcharge, const std::string& entryDescription) {
  PickerRows rows;
  if (entrySurcharge > 0) {
    PickerEntry entry{{}, kEntrySurchargeSlot};
    data::ClearSurcharge(entry.surcharge);
    data::WriteField(entry.surcharge.description, entryDescription);
    entry.surcharge.cost = entrySurcharge;
    rows.carried.push_back(entry);
  }
  for (int i = 0; i < kListSlots; ++i) {
    if (!SlotInUse(list[i])) continue;
    auto& side = CallCarries(call, list[i]) ? rows.carried : rows.available;
    side.push_back({list[i], i});
  }
  return rows;
}

int CallSlotsTaken(const std::vector<PickerEntry>& carried) {
  return static_cast<int>(std::count_if(carried.begin(), carried.end(),
                                        [](const PickerEntry& e) { return !IsEntryRow(e); }));
}

bool MoveRows(std::vector<PickerEntry>& from, std::vector<PickerEntry>& to,
              const std::vector<int>& indices) {
  std::vector<bool> selected(from.size(), false);
  for (int index : indices)
    if (index >= 0 && static_cast<std::size_t>(index) < from.size()) selected[index] = true;
  bool entryRowSelected = false;
  std::vector<PickerEntry> kept;
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (!selected[i]) {
      kept.push_back(from[i]);
    } else if (IsEntryRow(from[i])) {
      entryRowSelected = true;
      kept.push_back(from[i]);
    } else {
      to.push_back(from[i]);
    }
  }
  from = std::move(kept);
  return entryRowSelected;
}

std::optional<CallSurcharges> FillCallSlots(const std::vector<PickerEntry>& carried) {
  if (CallSlotsTaken(carried) > kCallSlots) return std::nullopt;
  CallSurcharges table{};
  for (data::Surcharge& slot : table) data::ClearSurcharge(slot);
  std::size_t next = 0;
  for (const PickerEntry& entry : carried)
    if (!IsEntryRow(entry)) table[next++] = entry.surcharge;
  return table;
}

}  // namespace dorv::rating
