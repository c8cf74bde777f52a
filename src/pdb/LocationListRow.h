#pragma once
#include "data/LocationSearch.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

// Which columns a location result list shows: Code, City, State, Country; or, with the postal
// code, Code, City, State, ZipCode, Country.
enum class LocationColumnSet { WithoutPostalCode, WithPostalCode };

// A found location as a row of a result list.
class LocationListRow final : public platform::ListRow {
 public:
  explicit LocationListRow(data::LocationRow location,
                           LocationColumnSet columns = LocationColumnSet::WithoutPostalCode)
      : m_location(std::move(location)), m_columns(columns) {}
  QString Text(int column) const override;
  const data::LocationRow& Location() const { return m_location; }

 private:
  data::LocationRow m_location;
  LocationColumnSet m_columns;
};

// The columns of a location result list.
std::vector<platform::ListColumn> LocationColumns(
    LocationColumnSet columns = LocationColumnSet::WithoutPostalCode);

// Column 0 by sort value (integers), the others by their text ignoring letter case.
int CompareLocationRows(const LocationListRow& a, const LocationListRow& b, int column);

}  // namespace dorv::pdb
