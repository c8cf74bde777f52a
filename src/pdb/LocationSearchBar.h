#pragma once
#include <array>
#include <functional>

#include "pdb/LocationSearch.h"

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dorv::pdb {

// The "Search Using:" field and the five criterion buttons shared by the location lookups.
struct LocationSearchBar {
  QLineEdit* text = nullptr;
  std::array<QPushButton*, 5> buttons{};

  QPushButton* Button(SearchCriterion criterion) const;
};

// Adds the bar's two rows to the layout; each button runs the search by its criterion.
LocationSearchBar AddLocationSearchBar(QWidget& owner, QBoxLayout& layout,
                                       std::function<void(SearchCriterion)> search);

}  // namespace dorv::pdb
