#include "pdb/LocationSearchBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "pdb/BookLoading.h"
#include "platform/FieldLabel.h"
#include "res/Strings.h"

namespace dorv::pdb {
namespace {

constexpr data::SearchCriterion kCriteria[5] = {
    data::SearchCriterion::AreaOrCityCode, data::SearchCriterion::City,
    data::SearchCriterion::StateOrProvince, data::SearchCriterion::PostalCode,
    data::SearchCriterion::Country};
constexpr const char* kCriterionTexts[5] = {res::kSearchByCode, res::kSearchByCity,
                                            res::kSearchByState, res::kSearchByPostalCode,
                                            res::kSearchByCountry};

}  // namespace

QPushButton* LocationSearchBar::Button(data::SearchCriterion criterion) const {
  for (int i = 0; i < 5; ++i)
    if (kCriteria[i] == criterion) return buttons[i];
  return nullptr;
}

LocationSearchBar AddLocationSearchBar(QWidget& owner, QBoxLayout& layout,
                                       std::function<void(data::SearchCriterion)> search) {
  LocationSearchBar bar;
  auto* searchRow = new QHBoxLayout;
  bar.text = new QLineEdit(&owner);
  searchRow->addWidget(platform::LabelFor(res::kLabelSearchUsing, bar.text));
  searchRow->addWidget(bar.text, 1);
  layout.addLayout(searchRow);

  auto* criteriaRow = new QHBoxLayout;
  for (int i = 0; i < 5; ++i) {
    bar.buttons[i] = new QPushButton(kCriterionTexts[i], &owner);
    // Enter in the search field moves on rather than pressing a criterion.
    bar.buttons[i]->setAutoDefault(false);
    data::SearchCriterion criterion = kCriteria[i];
    QObject::connect(bar.buttons[i], &QPushButton::clicked, &owner,
                     [search, criterion] { search(criterion); });
    criteriaRow->addWidget(bar.buttons[i]);
  }
  layout.addLayout(criteriaRow);
  return bar;
}

LocationSearchProgress::LocationSearchProgress(data::SampleTables& tables, QWidget& owner)
    : m_tables(tables),
      m_bar(new QProgressBar(&owner)),
      m_recordsPerStep(data::TotalLocationCount(tables) / 100) {
  m_bar->setRange(0, 100);
  m_bar->setValue(0);
  m_bar->hide();
}

data::SearchOutcome LocationSearchProgress::Run(data::SearchCriterion criterion,
                                                const std::string& typed) {
  m_bar->setValue(0);
  m_bar->show();
  PaintPacer pacer;
  long steps = 0;
  data::SearchOutcome outcome = data::SearchLocations(
      m_tables, criterion, typed, m_recordsPerStep, [&] { ShowStep(*m_bar, ++steps, pacer); });
  m_bar->hide();
  return outcome;
}

}  // namespace dorv::pdb
