#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "support/Prompter.h"
#include "data/PdbText.h"
#include "pdb/CSampleLookupDlg.h"
#include "support/LookupTables.h"
#include "platform/Messages.h"
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
  void SearchFor(const char* text, data::SearchCriterion criterion) {
    dialog.SearchField()->clear();
    QTest::keyClicks(dialog.SearchField(), text);
    QTest::mouseClick(dialog.CriterionButton(criterion), Qt::LeftButton);
  }
  QStringList Column(int column) const { return test::ColumnTexts(dialog.List(), column); }
  void ClickRow(int row) { test::ClickRow(dialog.List(), row); }
};

}  // namespace

TEST(SampleLookupDlg, ViewRoleShowsOnlyCloseWhichAlwaysEndsWithTwo) {
  OpenLookup lookup(false);
  EXPECT_EQ(lookup.dialog.OkButton()->text(), res::kButtonClose);
  EXPECT_FALSE(lookup.dialog.CancelButton()->isVisible());
  EXPECT_FALSE(lookup.dialog.Progress()->isVisible());
  EXPECT_EQ(lookup.dialog.focusWidget(), lookup.dialog.SearchField());
  lookup.SearchFor("Dallas", data::SearchCriterion::City);
  lookup.ClickRow(0);
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(lookup.dialog.result(), 2);
  EXPECT_FALSE(lookup.dialog.Chosen().has_value());
}

TEST(SampleLookupDlg, EmptySearchSaysSoAndListsNothing) {
  OpenLookup lookup(false);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  QTest::mouseClick(lookup.dialog.CriterionButton(data::SearchCriterion::City), Qt::LeftButton);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorNoSearchParameters);
  EXPECT_EQ(lookup.dialog.List()->Model()->rowCount(), 0);
  EXPECT_FALSE(lookup.dialog.Progress()->isVisible());
}

TEST(SampleLookupDlg, ResultsSortByCodeAndTheCodeHeaderReversesFirst) {
  OpenLookup lookup(false);
  lookup.SearchFor("san", data::SearchCriterion::City);
  // Column 0 shows area codes in North America and city codes elsewhere, sorted as numbers.
  EXPECT_EQ(lookup.Column(0), (QStringList{"2", "444", "505", "619", "902"}));
  emit lookup.dialog.List()->header()->sectionClicked(0);
  EXPECT_EQ(lookup.dialog.SortCode(), 1);
  EXPECT_EQ(lookup.Column(0), (QStringList{"902", "619", "505", "444", "2"}));
  emit lookup.dialog.List()->header()->sectionClicked(0);
  EXPECT_EQ(lookup.Column(0), (QStringList{"2", "444", "505", "619", "902"}));
  emit lookup.dialog.List()->header()->sectionClicked(1);
  EXPECT_EQ(lookup.Column(1).front(), "San Diego");
  // A search keeps the current sort and makes Code's next click descending again.
  lookup.SearchFor("s", data::SearchCriterion::City);
  EXPECT_EQ(lookup.Column(1).front(), "San Diego");
}

TEST(SampleLookupDlg, FocusedRowFillsTheInformationFields) {
  OpenLookup lookup(false);
  lookup.info.clock12 = 1;
  lookup.SearchFor("sydney", data::SearchCriterion::City);
  lookup.ClickRow(0);
  EXPECT_EQ(lookup.dialog.InfoField(0)->text(), "");  // no area code outside North America
  EXPECT_EQ(lookup.dialog.InfoField(1)->text(), "61");
  EXPECT_EQ(lookup.dialog.InfoField(2)->text(), "2");
  EXPECT_EQ(lookup.dialog.InfoField(3)->text(), "Sydney");
  EXPECT_EQ(lookup.dialog.InfoField(6)->text(), "Australia");
  EXPECT_EQ(lookup.dialog.InfoField(7)->text().toStdString(),
            data::LocalTimeText(kNow, -5, "Australia", true));
  // A new search clears them.
  lookup.SearchFor("dal", data::SearchCriterion::City);
  EXPECT_EQ(lookup.dialog.InfoField(3)->text(), "");
  lookup.ClickRow(0);
  EXPECT_EQ(lookup.dialog.InfoField(0)->text(), "214");
}

TEST(SampleLookupDlg, SelectRoleHandsBackTheSameLocationByClickOrByEnter) {
  std::optional<pdb::ChosenLocation> byClick, byEnter;
  {
    OpenLookup lookup(true);
    lookup.SearchFor("guad", data::SearchCriterion::City);
    lookup.ClickRow(0);
    // Enter on the list moves the focus on instead of closing.
    lookup.dialog.List()->setFocus();
    QTest::keyClick(lookup.dialog.List(), Qt::Key_Return);
    EXPECT_TRUE(lookup.dialog.isVisible());
    QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(lookup.dialog.result(), 1);
    byClick = lookup.dialog.Chosen();
  }
  {
    OpenLookup lookup(true);
    lookup.SearchFor("guad", data::SearchCriterion::City);
    lookup.ClickRow(0);
    lookup.dialog.OkButton()->setFocus();
    QTest::keyClick(lookup.dialog.OkButton(), Qt::Key_Return);
    EXPECT_EQ(lookup.dialog.result(), 1);
    byEnter = lookup.dialog.Chosen();
  }
  ASSERT_TRUE(byClick && byEnter);
  EXPECT_EQ(byClick->location.city, "Guadalajara");
  EXPECT_EQ(byClick->location.cityCode, "33");
  EXPECT_EQ(byClick->location.region, 3);
  EXPECT_DOUBLE_EQ(byClick->location.latitude, 40.7128);
  EXPECT_FALSE(byClick->localTime.empty());
  EXPECT_EQ(byEnter->location.city, byClick->location.city);
  EXPECT_EQ(byEnter->location.latitude, byClick->location.latitude);
  EXPECT_EQ(byEnter->localTime, byClick->localTime);
}

TEST(SampleLookupDlg, OkWithoutASelectionOrCancelChoosesNothing) {
  OpenLookup lookup(true);
  lookup.SearchFor("san", data::SearchCriterion::City);
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(lookup.dialog.result(), 2);
  OpenLookup other(true);
  other.SearchFor("san", data::SearchCriterion::City);
  other.ClickRow(1);
  QTest::mouseClick(other.dialog.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(other.dialog.result(), 2);
  EXPECT_FALSE(other.dialog.Chosen().has_value());
}

TEST(SampleLookupDlg, AnUnreadableRegionNamesItselfAndChoosesNothing) {
  OpenLookup lookup(true);
  lookup.t.tables.canada.Close();
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  lookup.SearchFor("san", data::SearchCriterion::City);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorRegionTables[1]);
  EXPECT_FALSE(lookup.dialog.isVisible());
  EXPECT_EQ(lookup.dialog.result(), 2);
  EXPECT_FALSE(lookup.dialog.Chosen().has_value());
}
