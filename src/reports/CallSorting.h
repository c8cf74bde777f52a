#pragma once
#include <array>
#include <cstdint>

#include "platform/ReportList.h"
#include "reports/CallListItem.h"

namespace dorv::reports {

// The sort key of a call list, 0 to 13: the column times 2, plus 1 for descending; and one
// direction toggle per column. A click on a column whose toggle is clear sorts it ascending
// and sets the toggle; a click while it is set sorts descending and clears it.
class CallSortKeys {
 public:
  int Key() const { return m_key; }
  int Column() const { return m_key / 2; }
  bool Ascending() const { return m_key % 2 == 0; }
  // A click on a column header; returns the new key.
  int Click(int column);
  void SetToggle(int column) { m_toggles.at(column) = 1; }
  bool Toggle(int column) const { return m_toggles.at(column) != 0; }
  // Sorts the rows of a call list (whose comparison is CompareCallRows) by the current key.
  void SortRows(platform::ReportListModel& rows) const { rows.Sort(Column(), Ascending()); }

 private:
  int m_key = 0;
  std::array<std::uint8_t, CallListItem::kColumnCount> m_toggles{};
};

}  // namespace dorv::reports
