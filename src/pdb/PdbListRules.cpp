#include "pdb/PdbListRules.h"

#include "res/Strings.h"

namespace dorv::pdb {

ProgressPlan ProgressPlanFor(long recordCount) {
  if (recordCount >= 100) return {100, recordCount / 100};
  return {recordCount > 0 ? static_cast<int>(recordCount) : 0, 1};
}

SortOrder SortOrderOf(int sortCode, int columns) {
  if (sortCode < 0 || sortCode >= columns * 2) return {0, true};
  return {sortCode / 2, sortCode % 2 == 0};
}

int SortDirections::Click(int column) {
  std::uint8_t& flag = m_flags.at(column);
  if (flag) {
    flag = 0;
    return column * 2 + 1;
  }
  flag = 1;
  return column * 2;
}

SelectionButtons ButtonsForSelection(int selectedCount) {
  return {selectedCount > 0, selectedCount == 1};
}

const char* DeleteQuestion(int selectedCount) {
  if (selectedCount <= 0) return nullptr;
  return selectedCount == 1 ? res::kAskDeleteItem : res::kAskDeleteItems;
}

}  // namespace dorv::pdb
