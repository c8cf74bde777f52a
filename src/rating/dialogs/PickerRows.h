#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/Charges.h"
#include "rating/dialogs/SurchargeSlots.h"

namespace dorv::rating {

// The slot number of the row that stands for the personal database entry's own surcharge.
inline constexpr int kEntrySurchargeSlot = -1;

// One row of the call surcharge picker: a copy of a surcharge and its slot in the list.
struct PickerEntry {
  data::Surcharge surcharge;
  int slot;
};

struct PickerRows {
  std::vector<PickerEntry> available;  // in the list, not on the call
  std::vector<PickerEntry> carried;    // on the call
};

bool IsEntryRow(const PickerEntry& entry);

// Splits the list's slots in use between the two sides: a slot whose description equals
// (case included) that of one of the call's slots is carried, any other is available. An
// entry surcharge above 0 comes first among the carried rows, under entryDescription.
// Call surcharges whose description is no longer in the list appear on neither side.
PickerRows PartitionSurcharges(std::span<const data::Surcharge, kListSlots> list,
                               std::span<const data::Surcharge, kCallSlots> call,
                               double entrySurcharge, const std::string& entryDescription);

// How many rows of a carried side take one of the call's slots.
int CallSlotsTaken(const std::vector<PickerEntry>& carried);

// Moves the rows at the given indices from one side to the end of the other, in their order.
// The entry surcharge row never moves; the result tells whether it was among the selected.
bool MoveRows(std::vector<PickerEntry>& from, std::vector<PickerEntry>& to,
              const std::vector<int>& indices);

// The call's new slots: the carried rows in order, the entry row excepted, the rest unused.
// Nothing when more rows are carried than the call has slots.
std::optional<CallSurcharges> FillCallSlots(const std::vector<PickerEntry>& carried);

}  // namespace dorv::rating
