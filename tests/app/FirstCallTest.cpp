// A new user's first session on the generated sample database, driven through the real
// dialogs: the first-time setup, an entry added through Lookup Data, a timed call on it, and
// the call found in the call log at the cost the rating engine gives.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ctime>
#include <vector>

#include "support/Prompter.h"
#include "app/MainFrame.h"
#include "support/FakeMemoCounter.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "support/SampleFixture.h"
#include "support/TempDatabase.h"
#include "data/TextPattern.h"
#include "pdb/CLookupDataDlg.h"
#include "pdb/CPdbEditDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/CTelcoAccessDlg.h"
#include "platform/Messages.h"
#include "rating/BandInForce.h"
#include "rating/Charging.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CCallLogDlg.h"
#include "support/DialogDriver.h"
#include "reports/CallListItem.h"
#include "res/Strings.h"
#include "settings/CMyInfoDlg.h"

#ifdef DORV_SAMPLEDB_DIR

using namespace dorv;

namespace {

// Wednesday 4 March 2026, 10:00 in the test's time zone (UTC): weekday daytime.
constexpr std::time_t kCallStart = 1772618400;
constexpr int kCallSeconds = 185;

using test::ClickRow;
constexpr auto Type = test::TypeInto;

int RowWithText(const platform::ReportList* list, const QString& text) {
  for (int r = 0; r < list->Model()->rowCount(); ++r)
    if (list->Model()->Row(r)->Text(0) == text) return r;
  return -1;
}

// The row of a location list found by its city that lies in Colorado.
int ColoradoRow(const platform::ReportList* list, const QString& city) {
  const int columns = list->Model()->columnCount();
  for (int r = 0; r < list->Model()->rowCount(); ++r) {
    QStringList texts;
    for (int c = 0; c < columns; ++c) texts << list->Model()->Row(r)->Text(c);
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
    if (auto* setup = qobject_cast<settings::CMyInfoDlg*>(&dialog)) return Setup(*setup);
    if (auto* lookup = qobject_cast<pdb::CSampleLookupDlg*>(&dialog)) return PickHome(*lookup);
    if (auto* telco = qobject_cast<pdb::CTelcoAccessDlg*>(&dialog)) return PickTelco(*telco);
    if (auto* list = qobject_cast<pdb::CPdbListDlg*>(&dialog)) return AddFromList(*list);
    if (auto* editor = qobject_cast<pdb::CPdbEditDlg*>(&dialog)) return FillEntry(*editor);
    if (auto* lookup = qobject_cast<pdb::CLookupDataDlg*>(&dialog)) return PickBoulder(*lookup);
    if (auto* screen = qobject_cast<rating::CCallScreenDlg*>(&dialog)) return TimeCall(*screen);
    if (auto* log = qobject_cast<reports::CCallLogDlg*>(&dialog)) return ReadLog(*log);
    ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
    return 0;
  }

  std::vector<std::string> opened;
  QStringList loggedRow;

 private:
  int Setup(settings::CMyInfoDlg& setup) {
    opened.push_back("setup");
    Type(setup.findChild<QLineEdit*>("name"), "Pat Doe");
    setup.findChild<QLineEdit*>("address")->setText("12 Elm Street");
    QTest::mouseClick(setup.findChild<QPushButton*>("lookupLocation"), Qt::LeftButton);
    EXPECT_EQ(setup.findChild<QLineEdit*>("city")->text(), "Denver");
    EXPECT_EQ(setup.findChild<QLineEdit*>("areaCode")->text(), "303");
    QTest::mouseClick(setup.findChild<QPushButton*>("changeTelco"), Qt::LeftButton);
    Type(setup.findChild<QLineEdit*>("prefix"), "555");
    Type(setup.findChild<QLineEdit*>("suffix"), "0199");
    QTest::mouseClick(setup.findChild<QPushButton*>("ok"), Qt::LeftButton);
    return setup.result();
  }

  int PickHome(pdb::CSampleLookupDlg& lookup) {
    opened.push_back("home location");
    Type(lookup.SearchField(), "Denver");
    QTest::mouseClick(lookup.CriterionButton(data::SearchCriterion::City), Qt::LeftButton);
    ClickRow(lookup.List(), ColoradoRow(lookup.List(), "Denver"));
    QTest::mouseClick(lookup.OkButton(), Qt::LeftButton);
    return lookup.result();
  }

  int PickTelco(pdb::CTelcoAccessDlg& telco) {
    opened.push_back("telco");
    ClickRow(telco.List(), 0);
    QTest::mouseClick(telco.OkButton(), Qt::LeftButton);
    return telco.result();
  }

  int AddFromList(pdb::CPdbListDlg& list) {
    opened.push_back("toll book");
    list.OnAdd();
    list.reject();
    return list.result();
  }

  int FillEntry(pdb::CPdbEditDlg& editor) {
    using pdb::EditButton;
    using pdb::EditField;
    opened.push_back("editor");
    QTest::mouseClick(editor.Button(EditButton::Lookup), Qt::LeftButton);
    EXPECT_EQ(editor.Field(EditField::City)->text(), "Boulder");
    Type(editor.Field(EditField::Name), "Cousin Sam");
    Type(editor.Field(EditField::Prefix), "555");
    Type(editor.Field(EditField::Suffix), "0142");
    QTest::mouseClick(editor.Button(EditButton::TimeACall), Qt::LeftButton);
    QTest::mouseClick(editor.Button(EditButton::Ok), Qt::LeftButton);
    return editor.result();
  }

  int PickBoulder(pdb::CLookupDataDlg& lookup) {
    opened.push_back("lookup data");
    Type(lookup.SearchField(), "Boulder");
    QTest::mouseClick(lookup.CriterionButton(data::SearchCriterion::City), Qt::LeftButton);
    ClickRow(lookup.LocationList(), ColoradoRow(lookup.LocationList(), "Boulder"));
    const int residential = RowWithText(lookup.TypeList(), res::kServiceTypeResidental);
    EXPECT_GE(residential, 0);
    ClickRow(lookup.TypeList(), residential);
    EXPECT_GT(lookup.ServiceList()->Model()->rowCount(), 0);
    ClickRow(lookup.ServiceList(), 0);
    QTest::mouseClick(lookup.OkButton(), Qt::LeftButton);
    return lookup.result();
  }

  int TimeCall(rating::CCallScreenDlg& screen) {
    opened.push_back("call screen");
    QPushButton* main = screen.findChild<QPushButton*>("main");
    QTest::mouseClick(main, Qt::LeftButton);
    EXPECT_EQ(screen.State(), rating::CallScreenState::Timing);
    for (int second = 0; second < kCallSeconds; ++second) {
      ++m_clock;
      screen.OnClockTick();
    }
    QTest::mouseClick(main, Qt::LeftButton);  // stop
    QTest::mouseClick(main, Qt::LeftButton);  // save
    return screen.result();
  }

  int ReadLog(reports::CCallLogDlg& log) {
    opened.push_back("call log");
    EXPECT_EQ(log.MonthBox().currentText(), "March 2026");
    EXPECT_EQ(log.Rows().rowCount(), 1);
    if (log.Rows().rowCount() == 1)
      for (int column = 0; column < reports::CallListItem::kColumnCount; ++column)
        loggedRow << log.Rows().Row(0)->Text(column);
    log.reject();
    return log.result();
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
  platform::SetModalHook([&](QDialog& dialog) { return user.Handle(dialog); });
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  app::DataFiles files;
  files.memoCounter = std::make_unique<test::FakeMemoCounter>();
  app::CMainFrame frame(files, [] { return true; });
  frame.SetClock([&] { return clock; });
  ASSERT_TRUE(frame.OnCreate());
  EXPECT_EQ(data::ReadField(files.myInfo.city), "Denver");
  EXPECT_EQ(files.myInfo.infoStored, 1);

  frame.OnToll();
  ASSERT_EQ(files.pdb.Count(data::PdbKind::Toll), 1);
  data::PdbRecord entry{};
  ASSERT_TRUE(files.pdb.ReadAt(0, entry, data::PdbKind::Toll));
  EXPECT_EQ(data::ReadField(entry.name), "Cousin Sam");
  EXPECT_EQ(data::ReadField(entry.city), "Boulder");

  frame.OnCallLog();
  platform::SetModalHook({});

  EXPECT_EQ(user.opened,
            (std::vector<std::string>{"setup", "home location", "telco", "toll book", "editor",
                                      "lookup data", "call screen", "call log"}));
  // The engine's charge for the call: the band in force at its start, interval by interval.
  const rating::RateView rates(entry);
  const int band = rating::BandInForceAt(rates, kCallStart);
  ASSERT_NE(band, rating::kNoBand);
  const double cost = rating::RateLength(rates.Rates(band), rates.IntervalLengths(), kCallSeconds);
  EXPECT_GT(cost, 0.0);
  ASSERT_EQ(user.loggedRow.size(), reports::CallListItem::kColumnCount);
  EXPECT_EQ(user.loggedRow[reports::CallListItem::kName], "Cousin Sam");
  EXPECT_EQ(user.loggedRow[reports::CallListItem::kLength], "00:03:05");
  // An entry from Lookup Data keeps the sample rates, and its calls' costs are marked so.
  EXPECT_EQ(entry.ratesChanged, 0);
  EXPECT_EQ(user.loggedRow[reports::CallListItem::kCost],
            QString::fromLatin1(data::MoneyText(cost, false)));
  // Stopping asks for the memo; saving the month's first call makes its log.
  EXPECT_EQ(prompter.Shown(),
            (std::vector<QString>{
                platform::ShownText(res::kCompleteMemoAndSave),
                QString::fromStdString(data::FillPattern(res::kNoticeCallLogCreated, {"March", "2026"}))}));
}

#endif
