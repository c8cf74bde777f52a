#include "pdb/LocationListRow.h"

#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::pdb {

QString LocationListRow::Text(int column) const {
  // Past the State column the postal code, when shown, comes before the country.
  if (m_columns == LocationColumnSet::WithPostalCode && column == 3)
    return platform::FromRecord(m_location.postalCode);
  if (m_columns == LocationColumnSet::WithPostalCode && column == 4) column = 3;
  switch (column) {
    case 0:
      return m_location.region == 1 || m_location.region == 2
                 ? QString::number(m_location.areaCode)
                 : platform::FromRecord(m_location.cityCode);
    case 1:
      return platform::FromRecord(m_location.city);
    case 2:
      return platform::FromRecord(m_location.stateCode);
    case 3:
      return platform::FromRecord(m_location.country);
  }
  return {};
}

std::vector<platform::ListColumn> LocationColumns(LocationColumnSet columns) {
  if (columns == LocationColumnSet::WithPostalCode)
    return {{res::kColumnCode, 15},
            {res::kColumnCity, 30},
            {res::kColumnState, 10},
            {res::kColumnZipCode, 15},
            {res::kColumnCountry, 30}};
  return {{res::kColumnCode, 15},
          {res::kColumnCity, 47},
          {res::kColumnState, 10},
          {res::kColumnCountry, 28}};
}

int CompareLocationRows(const LocationListRow& a, const LocationListRow& b, int column) {
  if (column == 0) {
    auto left = a.Location().sortValue;
    auto right = b.Location().sortValue;
    return left < right ? -1 : (left > right ? 1 : 0);
  }
  return platform::CompareTextsNoCase(a, b, column);
}

}  // namespace dorv::pdb
