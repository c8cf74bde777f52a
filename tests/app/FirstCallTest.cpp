// A new user's first session on the generated sample database, driven through the real
// dialogs: the first-time setup, an entry added through Lookup Data, a timed call on it, and
// the call found in the call log at the cost the rating engine gives.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <ctime>

#include "app/MainFrame.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "data/TextPattern.h"
#include "pdb/CLookupDataDlg.h"
#include "pdb/CPdbEditDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/CTelcoAccessDlg.h"
#include "rating/BandInForce.h"
#include "rating/Charging.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CCallLogDlg.h"
#include "reports/CallListItem.h"
#include "res/Strings.h"
#include "settings/CMyInfoDlg.h"
#include "support/DialogDriver.h"
#include "support/FakeMemoCounter.h"
#include "support/SampleFixture.h"

#ifdef DORV_SAMPLEDB_DIR

using namespace dorv;

namespace {

// Wednesday 4 March 2026, 10:00 in the test's time zone (UTC): weekday daytime.
constexpr std::time_t kCallStart = 1772618400;
constexpr int kCallSeconds = 185;

using test::Child;
using test::Click;
using test::ClickRow;
constexpr auto Type = test::TypeInto;

// The row of a location list found by its city that lies in Colorado.
int ColoradoRow(platform::ReportList* list, const QString& city) {
  for (int r = 0; r < list->Model()->rowCount(); ++r) {
    QStringList texts;
    for (int c = 0; c < list->Model()->columnCount(); ++c) texts << test::CellText(list, r, c);
    if (texts.contains(city) && (texts.contains("CO") || texts.contains("Colorado"))) return r;
  }
  ADD_FAILURE() << city.toStdString() << " in Colorado is not listed";
  return 0;
}

// The new user in each dialog the session opens, the clock running while a call is timed; the
// call log's rows are kept as texts.
int ActAsNewUser(QDialog& dialog, std::time_t& clock, QStringList& loggedRows) {
  test::ShowForUser(dialog);
  if (auto* setup = qobject_cast<settings::CMyInfoDlg*>(&dialog)) {
    Type(Child<QLineEdit>(*setup, "name"), "Pat Doe");
    Child<QLineEdit>(*setup, "address")->setText("12 Elm Street");
    Click(Child<QPushButton>(*setup, "lookupLocation"));
    Click(Child<QPushButton>(*setup, "changeTelco"));
    Type(Child<QLineEdit>(*setup, "prefix"), "555");
    Type(Child<QLineEdit>(*setup, "suffix"), "0199");
    Click(Child<QPushButton>(*setup, "ok"));
  } else if (auto* home = qobject_cast<pdb::CSampleLookupDlg*>(&dialog)) {
    Type(home->SearchField(), "Denver");
    Click(home->CriterionButton(data::SearchCriterion::City));
    ClickRow(home->List(), ColoradoRow(home->List(), "Denver"));
    Click(home->OkButton());
  } else if (auto* telco = qobject_cast<pdb::CTelcoAccessDlg*>(&dialog)) {
    ClickRow(telco->List(), 0);
    Click(telco->OkButton());
  } else if (auto* list = qobject_cast<pdb::CPdbListDlg*>(&dialog)) {
    list->OnAdd();
    list->reject();
  } else if (auto* editor = qobject_cast<pdb::CPdbEditDlg*>(&dialog)) {
    using pdb::EditButton;
    using pdb::EditField;
    Click(editor->Button(EditButton::Lookup));
    Type(editor->Field(EditField::Name), "Cousin Sam");
    Type(editor->Field(EditField::Prefix), "555");
    Type(editor->Field(EditField::Suffix), "0142");
    Click(editor->Button(EditButton::TimeACall));
    Click(editor->Button(EditButton::Ok));
  } else if (auto* lookup = qobject_cast<pdb::CLookupDataDlg*>(&dialog)) {
    Type(lookup->SearchField(), "Boulder");
    Click(lookup->CriterionButton(data::SearchCriterion::City));
    ClickRow(lookup->LocationList(), ColoradoRow(lookup->LocationList(), "Boulder"));
    ClickRow(lookup->TypeList(),
             test::ColumnTexts(lookup->TypeList(), 0).indexOf(res::kServiceTypeResidental));
    ClickRow(lookup->ServiceList(), 0);
    Click(lookup->OkButton());
  } else if (auto* screen = qobject_cast<rating::CCallScreenDlg*>(&dialog)) {
    QPushButton* main = Child<QPushButton>(*screen, "main");
    Click(main);
    for (int second = 0; second < kCallSeconds; ++second) {
      ++clock;
      screen->OnClockTick();
    }
    Click(main);  // stop
    Click(main);  // save
  } else if (auto* log = qobject_cast<reports::CCallLogDlg*>(&dialog)) {
    for (int row = 0; row < log->Rows().rowCount(); ++row)
      for (int column = 0; column < reports::CallListItem::kColumnCount; ++column)
        loggedRows << log->Rows().Row(row)->Text(column);
    log->reject();
  } else {
    ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
  }
  return dialog.result();
}

}  // namespace

TEST(FirstSession, SetupAddThroughLookupTimeACallAndFindItInTheCallLog) {
  // What the data directory holds before the first start: the sample database and the two
  // empty books that ship with it.
  test::TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  ASSERT_TRUE(test::CopySampleFiles(db, DORV_SAMPLEDB_DIR));

  std::time_t clock = kCallStart;
  QStringList loggedRow;  // the texts of every row the call log lists
  test::ScopedModalHook hook(
      [&](QDialog& dialog) { return ActAsNewUser(dialog, clock, loggedRow); });
  // Stopping asks for the memo; saving the month's first call makes its log.
  test::Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  app::DataFiles files;
  files.memoCounter = std::make_unique<test::FakeMemoCounter>();
  app::CMainFrame frame(files, [] { return true; });
  frame.SetClock([&] { return clock; });
  ASSERT_TRUE(frame.OnCreate());
  EXPECT_EQ(data::ReadField(files.myInfo.city), "Denver");  // picked through the lookup
  EXPECT_NE(data::ReadField(files.myInfo.telcoName), "");   // and the company list

  frame.OnToll();
  ASSERT_EQ(files.pdb.Count(data::PdbKind::Toll), 1);
  data::PdbRecord entry{};
  ASSERT_TRUE(files.pdb.ReadAt(0, entry, data::PdbKind::Toll));
  EXPECT_EQ(data::ReadField(entry.city), "Boulder");

  frame.OnCallLog();

  // The engine's charge for the call: the band in force at its start, interval by interval.
  const rating::RateView rates(entry);
  const int band = rating::BandInForceAt(rates, kCallStart);
  ASSERT_NE(band, rating::kNoBand);
  const double cost = rating::RateLength(rates.Rates(band), rates.IntervalLengths(), kCallSeconds);
  EXPECT_GT(cost, 0.0);
  ASSERT_EQ(loggedRow.size(), reports::CallListItem::kColumnCount);  // one row: the call
  EXPECT_EQ(loggedRow[reports::CallListItem::kName], "Cousin Sam");
  EXPECT_EQ(loggedRow[reports::CallListItem::kLength], "00:03:05");
  // An entry from Lookup Data keeps the sample rates, and its calls' costs are marked so.
  EXPECT_EQ(entry.ratesChanged, 0);
  EXPECT_EQ(loggedRow[reports::CallListItem::kCost],
            QString::fromLatin1(data::MoneyText(cost, false)));
  test::ExpectShown(
      prompter, {res::kCompleteMemoAndSave, QString::fromStdString(data::FillPattern(
                                                res::kNoticeCallLogCreated, {"March", "2026"}))});
}

#endif
