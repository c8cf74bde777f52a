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

// The user in each dialog the session opens; which dialogs opened is kept in order.
class NewUser {
 public:
  explicit NewUser(std::time_t& clock) : m_clock(clock) {}

  int Handle(QDialog& dialog) {
    test::ShowForUser(dialog);
    opened << QString(dialog.metaObject()->className()).section("::", -1);
    if (auto* setup = qobject_cast<settings::CMyInfoDlg*>(&dialog)) Setup(*setup);
    else if (auto* lookup = qobject_cast<pdb::CSampleLookupDlg*>(&dialog)) PickHome(*lookup);
    else if (auto* telco = qobject_cast<pdb::CTelcoAccessDlg*>(&dialog)) PickTelco(*telco);
    else if (auto* list = qobject_cast<pdb::CPdbListDlg*>(&dialog)) AddFromList(*list);
    else if (auto* editor = qobject_cast<pdb::CPdbEditDlg*>(&dialog)) FillEntry(*editor);
    else if (auto* lookup = qobject_cast<pdb::CLookupDataDlg*>(&dialog)) PickBoulder(*lookup);
    else if (auto* screen = qobject_cast<rating::CCallScreenDlg*>(&dialog)) TimeCall(*screen);
    else if (auto* log = qobject_cast<reports::CCallLogDlg*>(&dialog)) ReadLog(*log);
    else ADD_FAILURE() << "unexpected dialog";
    return dialog.result();
  }

  QStringList opened;
  QStringList loggedRow;  // the texts of every row the call log lists

 private:
  void Setup(settings::CMyInfoDlg& setup) {
    Type(Child<QLineEdit>(setup, "name"), "Pat Doe");
    Child<QLineEdit>(setup, "address")->setText("12 Elm Street");
    Click(Child<QPushButton>(setup, "lookupLocation"));
    Click(Child<QPushButton>(setup, "changeTelco"));
    Type(Child<QLineEdit>(setup, "prefix"), "555");
    Type(Child<QLineEdit>(setup, "suffix"), "0199");
    Click(Child<QPushButton>(setup, "ok"));
  }

  void PickHome(pdb::CSampleLookupDlg& lookup) {
    Type(lookup.SearchField(), "Denver");
    Click(lookup.CriterionButton(data::SearchCriterion::City));
    ClickRow(lookup.List(), ColoradoRow(lookup.List(), "Denver"));
    Click(lookup.OkButton());
  }

  void PickTelco(pdb::CTelcoAccessDlg& telco) {
    ClickRow(telco.List(), 0);
    Click(telco.OkButton());
  }

  void AddFromList(pdb::CPdbListDlg& list) {
    list.OnAdd();
    list.reject();
  }

  void FillEntry(pdb::CPdbEditDlg& editor) {
    using pdb::EditButton;
    using pdb::EditField;
    Click(editor.Button(EditButton::Lookup));
    Type(editor.Field(EditField::Name), "Cousin Sam");
    Type(editor.Field(EditField::Prefix), "555");
    Type(editor.Field(EditField::Suffix), "0142");
    Click(editor.Button(EditButton::TimeACall));
    Click(editor.Button(EditButton::Ok));
  }

  void PickBoulder(pdb::CLookupDataDlg& lookup) {
    Type(lookup.SearchField(), "Boulder");
    Click(lookup.CriterionButton(data::SearchCriterion::City));
    ClickRow(lookup.LocationList(), ColoradoRow(lookup.LocationList(), "Boulder"));
    ClickRow(lookup.TypeList(),
             test::ColumnTexts(lookup.TypeList(), 0).indexOf(res::kServiceTypeResidental));
    ClickRow(lookup.ServiceList(), 0);
    Click(lookup.OkButton());
  }

  void TimeCall(rating::CCallScreenDlg& screen) {
    QPushButton* main = Child<QPushButton>(screen, "main");
    Click(main);
    for (int second = 0; second < kCallSeconds; ++second) {
      ++m_clock;
      screen.OnClockTick();
    }
    Click(main);  // stop
    Click(main);  // save
  }

  void ReadLog(reports::CCallLogDlg& log) {
    for (int row = 0; row < log.Rows().rowCount(); ++row)
      for (int column = 0; column < reports::CallListItem::kColumnCount; ++column)
        loggedRow << log.Rows().Row(row)->Text(column);
    log.reject();
  }

  std::time_t& m_clock;
};

}  // namespace

TEST(FirstSession, SetupAddThroughLookupTimeACallAndFindItInTheCallLog) {
  // What the data directory holds before the first start: the sample database and the two
  // empty books that ship with it.
  test::TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  ASSERT_TRUE(test::CopySampleFiles(db, DORV_SAMPLEDB_DIR));

  std::time_t clock = kCallStart;
  NewUser user(clock);
  test::ScopedModalHook hook([&](QDialog& dialog) { return user.Handle(dialog); });
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

  EXPECT_EQ(user.opened.join(" "), "CMyInfoDlg CSampleLookupDlg CTelcoAccessDlg CPdbListDlg "
                                   "CPdbEditDlg CLookupDataDlg CCallScreenDlg CCallLogDlg");
  // The engine's charge for the call: the band in force at its start, interval by interval.
  const rating::RateView rates(entry);
  const int band = rating::BandInForceAt(rates, kCallStart);
  ASSERT_NE(band, rating::kNoBand);
  const double cost = rating::RateLength(rates.Rates(band), rates.IntervalLengths(), kCallSeconds);
  EXPECT_GT(cost, 0.0);
  ASSERT_EQ(user.loggedRow.size(), reports::CallListItem::kColumnCount);  // one row: the call
  EXPECT_EQ(user.loggedRow[reports::CallListItem::kName], "Cousin Sam");
  EXPECT_EQ(user.loggedRow[reports::CallListItem::kLength], "00:03:05");
  // An entry from Lookup Data keeps the sample rates, and its calls' costs are marked so.
  EXPECT_EQ(entry.ratesChanged, 0);
  EXPECT_EQ(user.loggedRow[reports::CallListItem::kCost],
            QString::fromLatin1(data::MoneyText(cost, false)));
  test::ExpectShown(
      prompter, {res::kCompleteMemoAndSave, QString::fromStdString(data::FillPattern(
                                                res::kNoticeCallLogCreated, {"March", "2026"}))});
}

#endif
