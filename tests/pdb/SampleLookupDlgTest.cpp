#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/PdbText.h"
#include "pdb/CSampleLookupDlg.h"
#include "support/LookupTables.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

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

}  // namespace

TEST(SampleLookupDlg, ViewRoleOnlyClosesWithTwoAndEmptySearchSaysSo) {
  OpenLookup lookup(false);
  EXPECT_FALSE(lookup.dialog.CancelButton()->isVisible());
  EXPECT_EQ(lookup.dialog.focusWidget(), lookup.dialog.SearchField());
  {
    test::Prompter prompter{QMessageBox::Ok};
    QTest::mouseClick(lookup.dialog.CriterionButton(SearchCriterion::City), Qt::LeftButton);
    test::ExpectShown(prompter, {res::kErrorNoSearchParameters});
    EXPECT_EQ(lookup.dialog.List()->Model()->rowCount(), 0);
  }
  lookup.SearchFor("Dallas", SearchCriterion::City);
  lookup.ClickRow(0);
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(lookup.dialog.result(), 2);
  EXPECT_FALSE(lookup.dialog.Chosen().has_value());
}

// Column 0 shows area codes in North America and city codes elsewhere, sorted as numbers.
TEST(SampleLookupDlg, ResultsSortByCodeAndTheCodeHeaderReversesFirst) {
  OpenLookup lookup(false);
  lookup.SearchFor("san", SearchCriterion::City);
  const QStringList ascending{"2", "444", "505", "619", "902"};
  EXPECT_EQ(lookup.Column(0), ascending);
  emit lookup.dialog.List()->header()->sectionClicked(0);
  EXPECT_EQ(lookup.Column(0), (QStringList{"902", "619", "505", "444", "2"}));
  emit lookup.dialog.List()->header()->sectionClicked(1);
  EXPECT_EQ(lookup.Column(1).front(), "San Diego");
  // A search keeps the current sort.
  lookup.SearchFor("s", SearchCriterion::City);
  EXPECT_EQ(lookup.Column(1).front(), "San Diego");
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
  EXPECT_EQ(chosen->location.cityCode, "33");
  EXPECT_EQ(chosen->location.region, 3);
  EXPECT_DOUBLE_EQ(chosen->location.latitude, 40.7128);
  EXPECT_EQ(chosen->localTime, lookup.dialog.InfoField(7)->text().toStdString());
}

TEST(SampleLookupDlg, OkWithoutASelectionOrCancelChoosesNothing) {
  for (bool select : {false, true}) {
    OpenLookup lookup(true);
    lookup.SearchFor("san", SearchCriterion::City);
    if (select) lookup.ClickRow(1);
    QTest::mouseClick(select ? lookup.dialog.CancelButton() : lookup.dialog.OkButton(),
                      Qt::LeftButton);
    EXPECT_EQ(lookup.dialog.result(), 2);
    EXPECT_FALSE(lookup.dialog.Chosen().has_value());
  }
}

TEST(SampleLookupDlg, AnUnreadableRegionNamesItselfAndChoosesNothing) {
  OpenLookup lookup(true);
  lookup.t.tables.canada.Close();
  test::Prompter prompter{QMessageBox::Ok};
  lookup.SearchFor("san", SearchCriterion::City);
  test::ExpectShown(prompter, {res::kErrorRegionTables[1]});
  EXPECT_FALSE(lookup.dialog.isVisible());
  EXPECT_EQ(lookup.dialog.result(), 2);
  EXPECT_FALSE(lookup.dialog.Chosen().has_value());
}
