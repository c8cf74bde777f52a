#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "data/LocationSearch.h"
#include "data/PdbText.h"
#include "pdb/CSampleLookupDlg.h"
#include "res/Strings.h"
#include "support/DialogDriver.h"
#include "support/LookupTables.h"

using namespace dorv;
using data::SearchCriterion;
using pdb::CSampleLookupDlg;

namespace {

constexpr std::time_t kNow = 1700000000;  // Tue Nov 14 2023, 22:13:20 UTC

struct OpenLookup {
  test::LookupTables t;
  data::MyInfo info{};
  CSampleLookupDlg dialog;
  explicit OpenLookup(bool selectRole) : dialog(t.tables, info, selectRole) {
    dialog.SetClock([] { return kNow; });
    dialog.show();
  }
  void SearchFor(const char* text, SearchCriterion criterion) {
    dialog.SearchField()->clear();
    QTest::keyClicks(dialog.SearchField(), text);
    QTest::mouseClick(dialog.CriterionButton(criterion), Qt::LeftButton);
  }
  QStringList Column(int column) const { return test::ColumnTexts(dialog.List(), column); }
  void ClickRow(int row) { test::ClickRow(dialog.List(), row); }
};

using Cities = std::vector<std::string>;

Cities CitiesOf(const data::SearchOutcome& outcome) {
  Cities cities;
  for (const data::LocationRow& row : outcome.rows) cities.push_back(row.city);
  return cities;
}

Cities CitiesFound(test::LookupTables& t, SearchCriterion criterion, const std::string& text) {
  data::SearchOutcome outcome = data::SearchLocations(t.tables, criterion, text);
  EXPECT_EQ(outcome.failedRegion, 0);
  return CitiesOf(outcome);
}

}  // namespace

// The search behind the lookup, without widgets. A country is found by its name, "usa"
// standing for "US", or by its code; a row carries its region, sort value, index in its
// table, rate key and country code.
TEST(LocationSearch, PrefixesOfEveryKindMatchIgnoringCaseInEveryRegion) {
  test::LookupTables t;
  EXPECT_EQ(CitiesFound(t, SearchCriterion::City, "san"),
            (Cities{"San Diego", "Santa Fe", "Sandy Cove", "SAN LUIS POTOSI", "Santiago"}));
  // "61" is a prefix of area codes 610-619 and of city codes beginning with 61.
  EXPECT_EQ(CitiesFound(t, SearchCriterion::AreaOrCityCode, "61"),
            (Cities{"San Diego", "Philadelphia", "Lagos"}));
  EXPECT_EQ(CitiesFound(t, SearchCriterion::StateOrProvince, "ns"),
            (Cities{"Sandy Cove", "Sydney"}));
  EXPECT_TRUE(CitiesFound(t, SearchCriterion::PostalCode, "99999").empty());
  EXPECT_EQ(data::EffectiveSearchText(SearchCriterion::City, "usa"), "usa");
  EXPECT_EQ(CitiesFound(t, SearchCriterion::Country, "usa").size(), 4u);
  EXPECT_EQ(CitiesFound(t, SearchCriterion::Country, "52"),
            (Cities{"SAN LUIS POTOSI", "Guadalajara"}));
  EXPECT_EQ(CitiesFound(t, SearchCriterion::Country, "nig"), (Cities{"Lagos"}));
  EXPECT_EQ(CitiesFound(t, SearchCriterion::Country, "56abc"), (Cities{"Santiago"}));
  data::SearchOutcome outcome = data::SearchLocations(t.tables, SearchCriterion::City, "Guad");
  ASSERT_EQ(outcome.rows.size(), 1u);
  const data::LocationRow& row = outcome.rows[0];
  EXPECT_EQ(std::tie(row.region, row.sortValue, row.recordIndex, row.rateKey, row.countryCode),
            std::make_tuple(3, 33, 1, std::string("MX"), 52));
}

// A region that cannot be counted fails the search; one whose scan meets an unreadable record
// keeps what it read and is named.
TEST(LocationSearch, ProgressStepsAcrossRegionsAndAFailedRegionIsNamed) {
  test::LookupTables t;
  EXPECT_EQ(data::TotalLocationCount(t.tables), 10);
  int steps = 0;
  data::SearchLocations(t.tables, SearchCriterion::City, "x", 3, [&] { ++steps; });
  EXPECT_EQ(steps, 3);  // 10 records, a step every 3
  bool truncated = false;
  // The United States table loses all but its first record while it is being scanned.
  data::SearchOutcome outcome =
      data::SearchLocations(t.tables, SearchCriterion::City, "san", 1, [&] {
        if (!truncated) std::filesystem::resize_file(t.db.Path(data::kUnitedStatesTable), 208);
        truncated = true;
      });
  EXPECT_EQ(outcome.failedRegion, 0);
  EXPECT_EQ(outcome.unreadRegions, std::vector<int>{1});
  EXPECT_EQ(CitiesOf(outcome), (Cities{"San Diego", "Sandy Cove", "SAN LUIS POTOSI", "Santiago"}));
  t.tables.mexico.Close();
  EXPECT_EQ(data::SearchLocations(t.tables, SearchCriterion::City, "san").failedRegion, 3);
}

// An empty search says so; column 0 shows area codes in North America and city codes
// elsewhere, sorted as numbers; a search keeps the sort; the view role only closes.
TEST(SampleLookupDlg, ViewRoleSortsTheResultsAndOnlyCloses) {
  OpenLookup lookup(false);
  {
    test::Prompter prompter{QMessageBox::Ok};
    QTest::mouseClick(lookup.dialog.CriterionButton(SearchCriterion::City), Qt::LeftButton);
    test::ExpectShown(prompter, {res::kErrorNoSearchParameters});
  }
  lookup.SearchFor("san", SearchCriterion::City);
  EXPECT_EQ(lookup.Column(0), (QStringList{"2", "444", "505", "619", "902"}));
  emit lookup.dialog.List()->header()->sectionClicked(1);
  lookup.SearchFor("s", SearchCriterion::City);
  EXPECT_EQ(lookup.Column(1).front(), "San Diego");
  lookup.ClickRow(0);
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(lookup.dialog.result(), 2);
  EXPECT_FALSE(lookup.dialog.Chosen().has_value());
}

// The focused row fills the information fields, which a new search clears; Enter on the list
// moves the focus on instead of closing; OK hands the focused location back.
TEST(SampleLookupDlg, SelectRoleShowsAndHandsBackTheFocusedLocation) {
  OpenLookup lookup(true);
  lookup.info.clock12 = 1;
  lookup.SearchFor("sydney", SearchCriterion::City);
  lookup.ClickRow(0);
  QStringList shown;
  for (int field : {0, 1, 2, 3, 6}) shown << lookup.dialog.InfoField(field)->text();
  EXPECT_EQ(shown, (QStringList{"", "61", "2", "Sydney", "Australia"}));
  EXPECT_EQ(lookup.dialog.InfoField(7)->text().toStdString(),
            data::LocalTimeText(kNow, -5, "Australia", true));
  lookup.SearchFor("guad", SearchCriterion::City);
  EXPECT_EQ(lookup.dialog.InfoField(3)->text(), "");
  lookup.ClickRow(0);
  lookup.dialog.List()->setFocus();
  QTest::keyClick(lookup.dialog.List(), Qt::Key_Return);
  EXPECT_TRUE(lookup.dialog.isVisible());
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(lookup.dialog.result(), 1);
  const std::optional<pdb::ChosenLocation> chosen = lookup.dialog.Chosen();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->location.city, "Guadalajara");
  EXPECT_EQ(chosen->localTime, lookup.dialog.InfoField(7)->text().toStdString());
}

// OK with no row selected ends as Cancel does.
TEST(SampleLookupDlg, OkWithoutASelectionChoosesNothing) {
  OpenLookup lookup(true);
  lookup.SearchFor("san", SearchCriterion::City);
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(lookup.dialog.result(), 2);
  EXPECT_FALSE(lookup.dialog.Chosen().has_value());
}

TEST(SampleLookupDlg, AnUnreadableRegionNamesItselfAndEndsTheLookup) {
  OpenLookup lookup(true);
  lookup.t.tables.canada.Close();
  test::Prompter prompter{QMessageBox::Ok};
  lookup.SearchFor("san", SearchCriterion::City);
  test::ExpectShown(prompter, {res::kErrorRegionTables[1]});
  EXPECT_FALSE(lookup.dialog.isVisible());
  EXPECT_EQ(lookup.dialog.result(), 2);
}
