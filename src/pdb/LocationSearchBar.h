#pragma once
#include <array>
#include <functional>
#include <string>

#include "data/LocationSearch.h"
#include "data/SampleTables.h"

class QBoxLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace dorv::pdb {

// The "Search Using:" field and the five criterion buttons shared by the location lookups.
struct LocationSearchBar {
  QLineEdit* text = nullptr;
  std::array<QPushButton*, 5> buttons{};

  QPushButton* Button(data::SearchCriterion criterion) const;
};

// Adds the bar's two rows to the layout; each button runs the search by its criterion.
LocationSearchBar AddLocationSearchBar(QWidget& owner, QBoxLayout& layout,
                                       std::function<void(data::SearchCriterion)> search);

// A location search over every region with a progress bar that steps once for each hundredth
// of all locations. The bar is hidden except while a search runs; the owner lays it out.
class LocationSearchProgress {
 public:
  LocationSearchProgress(data::SampleTables& tables, QWidget& owner);

  QProgressBar* Bar() const { return m_bar; }
  data::SearchOutcome Run(data::SearchCriterion criterion, const std::string& typed);

 private:
  data::SampleTables& m_tables;
  QProgressBar* m_bar;
  long m_recordsPerStep;
};

}  // namespace dorv::pdb
