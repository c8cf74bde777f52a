#include "reports/CallSorting.h"

namespace dorv::reports {

int CallSortKeys::Click(int column) {
  std::uint8_t& toggle = m_toggles.at(column);
  m_key = 2 * column + (toggle ? 1 : 0);
  toggle = toggle ? 0 : 1;
  return m_key;
}

}  // namespace dorv::reports
