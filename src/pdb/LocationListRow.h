#pragma once
#include "pdb/LocationSearch.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

// A found location as a row of a result list: Code, City, State, Country.
class LocationListRow final : public platform::ListRow {
 public:
  explicit LocationListRow(LocationRow location) : m_location(std::move(location)) {}
  QString Text(int column) const override;
  const LocationRow& Location() const { return m_location; }

 private:
  LocationRow m_location;
};

// The columns of a location result list.
std::vector<platform::ListColumn> LocationColumns();

// Column 0 by sort value (integers), the others by their text ignoring letter case.
int CompareLocationRows(const platform::ListRow& a, const platform::ListRow& b, int column);

}  // namespace dorv::pdb
