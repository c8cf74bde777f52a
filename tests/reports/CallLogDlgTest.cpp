#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <filesystem>

#include "support/Prompter.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "reports/CCallLogDlg.h"
#include "reports/CallLogTestFiles.h"
#include "reports/LogMonths.h"
#include "res/Strings.h"

using namespace dorv;
using reports::CallListItem;
using reports::CallLogButton;
using reports::CCallLogDlg;
using test::CallLogTestFiles;
using test::MakeCall;
using test::TestCall;

namespace {

// Opening time of the dialogs: a day in 2026, so that no test month is the current one.
constexpr std::time_t kNow = 1780000000;

bool Enabled(const CCallLogDlg& dialog, CallLogButton button) {
  return dialog.Button(button).isEnabled();
}

QStringList Column(const CCallLogDlg& dialog, int column) {
  QStringList texts;
  for (int row = 0; row < dialog.Rows().rowCount(); ++row)
    texts << dialog.Rows().Row(row)->Text(column);
  return texts;
}

QStringList BoxTexts(const CCallLogDlg& dialog) {
  QStringList texts;
  for (int i = 0; i < dialog.MonthBox().count(); ++i) texts << dialog.MonthBox().itemText(i);
  return texts;
}

void ClickHeader(CCallLogDlg& dialog, int column) {
  emit dialog.List().header()->sectionClicked(column);
}

// Three January calls, written out of date order; the second has a memo in files 7.
struct JanuaryLog {
  CallLogTestFiles files;
  JanuaryLog() {
    TestCall memoCall{"Bravo", test::kJan1st1999 + 7200, 120, 200.0, 5.0};
    memoCall.memoFileNumber = 7;
    files.WriteMonth("January1999",
                     {MakeCall({"Charlie", test::kJan1st1999 + 86400, 3725, 300.0}),
                      MakeCall(memoCall), MakeCall({"alpha", test::kJan1st1999 + 3600, 60, 100.0})});
    EXPECT_TRUE(files.AddMemo(7, test::kJan1st1999 + 7200, "Talked about the\r\nweather"));
  }
};

int RowNamed(const CCallLogDlg& dialog, const QString& name) {
  return static_cast<int>(Column(dialog, CallListItem::kName).indexOf(name));
}

// Puts the focus on the named call with a click, the dialog on screen.
void FocusCall(CCallLogDlg& dialog, const QString& name) {
  if (!dialog.isVisible()) test::ShowForUser(dialog);
  test::ClickRow(&dialog.List(), RowNamed(dialog, name));
}

// Every message is answered from the script, so that none waits for a user.
class CallLogDialog : public ::testing::Test {
 protected:
  void SetUp() override { prompter.AnswerAllWith(QMessageBox::Ok); }
  dorv::test::Prompter prompter;
};

}  // namespace

TEST_F(CallLogDialog, NoLogsLeavesTheBoxAndListEmptyAndTheButtonsOff) {
  CallLogTestFiles files;
  reports::CallReportOpeners openers{[](auto&, auto&, auto*) { return 1; },
                                     [](auto&, auto*) {}};
  CCallLogDlg dialog(files.Files(), openers, nullptr, kNow);
  EXPECT_EQ(dialog.MonthBox().count(), 0);
  EXPECT_EQ(dialog.Rows().rowCount(), 0);
  for (CallLogButton button : {CallLogButton::Edit, CallLogButton::Delete, CallLogButton::Print})
    EXPECT_FALSE(Enabled(dialog, button));
  EXPECT_TRUE(Enabled(dialog, CallLogButton::Close));
  EXPECT_TRUE(dialog.Totals().Minutes().text().isEmpty());
  EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(CallLogDialog, MonthsAreListedInCalendarOrderAndTheCurrentOrElseTheOldestIsShown) {
  CallLogTestFiles files;
  files.WriteMonth("January1999", {MakeCall({"January call", test::kJan1st1999})});
  files.WriteMonth("December1998", {MakeCall({"December call", test::kDec1st1998})});
  files.WriteMonth("March1998", {});
  CCallLogDlg dialog(files.Files(), {}, nullptr, kNow);
  EXPECT_EQ(BoxTexts(dialog), (QStringList{"March 1998", "December 1998", "January 1999"}));
  EXPECT_EQ(dialog.MonthBox().currentIndex(), 0);
  EXPECT_EQ(dialog.Rows().rowCount(), 0);

  dialog.OnMonthSelected(1);
  EXPECT_EQ(Column(dialog, CallListItem::kName), QStringList{"December call"});
  EXPECT_EQ(dialog.MonthBox().currentText(), "December 1998");

  // The current month is shown when it has a log.
  CCallLogDlg inJanuary(files.Files(), {}, nullptr, test::kJan1st1999 + 10 * 86400);
  EXPECT_EQ(inJanuary.MonthBox().currentText(), "January 1999");
  EXPECT_EQ(Column(inJanuary, CallListItem::kName), QStringList{"January call"});
}

TEST_F(CallLogDialog, LoadingListsOldestFirstWithTotals) {
  JanuaryLog log;
  CCallLogDlg dialog(log.files.Files(), {}, nullptr, kNow);
  EXPECT_EQ(Column(dialog, CallListItem::kName), (QStringList{"alpha", "Bravo", "Charlie"}));
  EXPECT_EQ(Column(dialog, CallListItem::kLength),
            (QStringList{"00:01:00", "00:02:00", "01:02:05"}));
  EXPECT_EQ(dialog.Item(2)->Where().recordIndex, 0);
  EXPECT_EQ(dialog.Totals().Minutes().text(), "01:05:05");
  EXPECT_EQ(dialog.Totals().Costs().text(), "$6.0000");
  EXPECT_EQ(dialog.Totals().Surcharges().text(), "$0.0500");
  EXPECT_EQ(dialog.Totals().Total().text(), "$6.0500");
  EXPECT_FALSE(Enabled(dialog, CallLogButton::Edit));
  EXPECT_FALSE(Enabled(dialog, CallLogButton::Delete));
  EXPECT_TRUE(dialog.SampleRatesNote().isHidden());
  EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(CallLogDialog, PrintIsOnWithRowsAndAPrintoutAndGetsTheListAsShown) {
  JanuaryLog log;
  std::vector<QString> printed;
  QString monthText;
  reports::CallReportOpeners openers;
  openers.print = [&](const reports::CallListPrint& list, QWidget*) {
    for (const CallListItem* row : list.rows) printed.push_back(row->Name());
    monthText = list.monthText;
    EXPECT_DOUBLE_EQ(list.totals.costs, 600.0);
    EXPECT_EQ(list.totals.seconds, 3905);
  };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  EXPECT_TRUE(Enabled(dialog, CallLogButton::Print));
  ClickHeader(dialog, CallListItem::kDate);
  dialog.OnPrint();
  EXPECT_EQ(printed, (std::vector<QString>{"Charlie", "Bravo", "alpha"}));
  EXPECT_EQ(monthText, "January 1999");

  CCallLogDlg withoutPrintout(log.files.Files(), {}, nullptr, kNow);
  EXPECT_FALSE(Enabled(withoutPrintout, CallLogButton::Print));
}

TEST_F(CallLogDialog, DateClickedRightAfterOpeningSortsNewestFirstThenOldestFirst) {
  JanuaryLog log;
  CCallLogDlg dialog(log.files.Files(), {}, nullptr, kNow);
  ClickHeader(dialog, CallListItem::kDate);
  EXPECT_EQ(Column(dialog, CallListItem::kName), (QStringList{"Charlie", "Bravo", "alpha"}));
  ClickHeader(dialog, CallListItem::kDate);
  EXPECT_EQ(Column(dialog, CallListItem::kName), (QStringList{"alpha", "Bravo", "Charlie"}));
  // Other columns start ascending; names compare without case.
  ClickHeader(dialog, CallListItem::kLength);
  EXPECT_EQ(dialog.SortKeys().Key(), 8);
  ClickHeader(dialog, CallListItem::kCost);
  ClickHeader(dialog, CallListItem::kCost);
  EXPECT_EQ(Column(dialog, CallListItem::kName), (QStringList{"Charlie", "Bravo", "alpha"}));
  EXPECT_EQ(dialog.SortKeys().Key(), 13);
}

TEST_F(CallLogDialog, OneRowDoesNotSort) {
  CallLogTestFiles files;
  files.WriteMonth("January1999", {MakeCall({"Only", test::kJan1st1999})});
  CCallLogDlg dialog(files.Files(), {}, nullptr, kNow);
  ClickHeader(dialog, CallListItem::kName);
  EXPECT_EQ(dialog.SortKeys().Key(), 0);
  EXPECT_FALSE(dialog.SortKeys().Toggle(CallListItem::kName));
}

TEST_F(CallLogDialog, ASampleRatedCallIsMarkedAndShowsTheNoteWhileTotalsStayPlain) {
  CallLogTestFiles files;
  TestCall sample{"Sample", test::kJan1st1999, 60, 100.0};
  sample.sampleRates = true;
  files.WriteMonth("January1999", {MakeCall(sample), MakeCall({"Own", test::kJan1st1999 + 60, 60, 50.0})});
  files.WriteMonth("February1999", {MakeCall({"Own", test::kJan1st1999 + 40 * 86400})});
  CCallLogDlg dialog(files.Files(), {}, nullptr, kNow);
  test::ShowForUser(dialog);
  EXPECT_EQ(Column(dialog, CallListItem::kCost), (QStringList{"***$1.0000", "$0.5000"}));
  EXPECT_EQ(dialog.Totals().Costs().text(), "$1.5000");
  EXPECT_TRUE(dialog.SampleRatesNote().isVisible());
  // A marked amount of thousands of dollars is shown in full at the dialog's size.
  QString wide = QString::fromLatin1(data::MoneyText(123456.78, false));
  int width = dialog.List().columnWidth(CallListItem::kCost);
  EXPECT_EQ(platform::PlanCell(dialog.List().fontMetrics(), wide, width, CallListItem::kCost,
                               Qt::AlignRight).text,
            wide);
  // A month without such calls has nothing marked, so the note goes.
  dialog.OnMonthSelected(1);
  EXPECT_FALSE(dialog.SampleRatesNote().isVisible());
}

TEST_F(CallLogDialog, FocusShowsTheMemoAndSurchargesAndEnablesTheRowButtons) {
  JanuaryLog log;
  reports::CallReportOpeners openers;
  openers.callScreen = [](auto&, auto&, auto*) { return 2; };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  EXPECT_EQ(dialog.Memo().toPlainText(), "Talked about the\nweather");
  ASSERT_EQ(dialog.SurchargePane().Rows().rowCount(), 1);
  EXPECT_EQ(dialog.SurchargePane().Rows().Row(0)->Text(0), res::kSurchargeEntryRow);
  EXPECT_EQ(dialog.SurchargePane().Rows().Row(0)->Text(1), "$0.0500");
  EXPECT_TRUE(Enabled(dialog, CallLogButton::Edit));
  EXPECT_TRUE(Enabled(dialog, CallLogButton::Delete));
  EXPECT_TRUE(prompter.Shown().empty());

  // A call without a memo says so and leaves both panes for that call.
  FocusCall(dialog, "alpha");
  EXPECT_TRUE(dialog.Memo().toPlainText().isEmpty());
  EXPECT_EQ(dialog.SurchargePane().Rows().rowCount(), 0);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kCallLogErrorMemoAccess);
}

TEST_F(CallLogDialog, EditReopensTheRowsCallAndReloadsWhenItWasSaved) {
  JanuaryLog log;
  int opened = 0;
  int answer = 2;
  reports::CallReportOpeners openers;
  openers.callScreen = [&](const reports::LoggedCall& where, data::CallLogRecord& call,
                           QWidget*) {
    ++opened;
    EXPECT_EQ(where.month, 1);
    EXPECT_EQ(where.year, 1999);
    EXPECT_EQ(where.recordIndex, 1);
    EXPECT_EQ(&call, &log.files.currentCall);
    EXPECT_EQ(data::ReadField(call.name), "Bravo");
    EXPECT_FALSE(log.files.callLog.IsOpen());
    if (answer == 1) {
      // The screen saves the call under a new name.
      data::WriteField(call.name, "Bravo edited");
      EXPECT_TRUE(log.files.callLog.OpenMonthNumber(1, 1999, false));
      EXPECT_TRUE(log.files.callLog.WriteRecord(where.recordIndex, call));
      log.files.callLog.Close();
    }
    return answer;
  };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  dialog.OnEdit();
  EXPECT_EQ(opened, 1);
  // Cancelled: the list is not read again, so the focused call's memo stays.
  EXPECT_FALSE(dialog.Memo().toPlainText().isEmpty());
  EXPECT_TRUE(Enabled(dialog, CallLogButton::Edit));

  answer = 1;
  dialog.OnEdit();
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(Column(dialog, CallListItem::kName),
            (QStringList{"alpha", "Bravo edited", "Charlie"}));
  EXPECT_FALSE(Enabled(dialog, CallLogButton::Edit));
  EXPECT_TRUE(dialog.Memo().toPlainText().isEmpty());
}

TEST_F(CallLogDialog, EditOfACallWhoseLogIsGoneSaysSoAndOpensNothing) {
  JanuaryLog log;
  int opened = 0;
  reports::CallReportOpeners openers;
  openers.callScreen = [&](auto&, auto&, auto*) { return ++opened; };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  FocusCall(dialog, "alpha");
  std::filesystem::remove(log.files.db.Path("LOG/January1999.LOG"));
  dialog.OnEdit();
  EXPECT_EQ(opened, 0);
  ASSERT_FALSE(prompter.Shown().empty());
  EXPECT_EQ(prompter.Shown().back(), res::kCallLogErrorAccess);
}

TEST_F(CallLogDialog, DeleteAsksThenRemovesTheCallAndItsMemo) {
  JanuaryLog log;
  CCallLogDlg dialog(log.files.Files(), {}, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  EXPECT_FALSE(Enabled(dialog, CallLogButton::Edit));  // no call screen to edit in

  prompter.Answer(QMessageBox::No);
  dialog.OnDelete();
  EXPECT_EQ(log.files.ReadMonth("January1999").size(), 3u);

  prompter.Answer(QMessageBox::Yes);
  dialog.OnDelete();
  ASSERT_EQ(prompter.Shown().size(), 2u);
  EXPECT_EQ(prompter.Shown()[1], res::kCallLogAskDelete);
  auto left = log.files.ReadMonth("January1999");
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(data::ReadField(left[0].name), "Charlie");
  EXPECT_EQ(data::ReadField(left[1].name), "alpha");
  std::string memo;
  EXPECT_FALSE(log.files.ReadMemo(7, test::kJan1st1999 + 7200, memo));
  EXPECT_EQ(Column(dialog, CallListItem::kName), (QStringList{"alpha", "Charlie"}));
  EXPECT_EQ(dialog.Totals().Minutes().text(), "01:03:05");
  EXPECT_FALSE(Enabled(dialog, CallLogButton::Delete));
}

TEST_F(CallLogDialog, ARecordThatCannotBeRemovedKeepsItsMemo) {
  JanuaryLog log;
  CCallLogDlg dialog(log.files.Files(), {}, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  // The scratch file of the rewrite cannot be made.
  std::filesystem::create_directory(log.files.db.Path("~PTEMP~.DAT"));
  prompter.Answer(QMessageBox::Yes);
  dialog.OnDelete();
  ASSERT_EQ(prompter.Shown().size(), 2u);
  EXPECT_EQ(prompter.Shown()[1], platform::ShownText(res::kCallLogErrorDelete));
  EXPECT_EQ(log.files.ReadMonth("January1999").size(), 3u);
  std::string memo;
  ASSERT_TRUE(log.files.ReadMemo(7, test::kJan1st1999 + 7200, memo));
  EXPECT_EQ(memo, "Talked about the\r\nweather");
  EXPECT_EQ(dialog.Rows().rowCount(), 3);
}

TEST_F(CallLogDialog, DeleteAndEditOfALogChangedSinceListingTouchNothing) {
  JanuaryLog log;
  int opened = 0;
  reports::CallReportOpeners openers;
  openers.callScreen = [&](auto&, auto&, auto*) { return ++opened; };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  // Another program removed the first record: Bravo is now at index 0, alpha at 1.
  auto calls = log.files.ReadMonth("January1999");
  log.files.WriteMonth("January1999", {calls[1], calls[2]});
  prompter.Answer(QMessageBox::Yes);
  dialog.OnDelete();
  EXPECT_EQ(prompter.Shown().back(), platform::ShownText(res::kCallLogErrorDelete));
  EXPECT_EQ(log.files.ReadMonth("January1999").size(), 2u);
  std::string memo;
  EXPECT_TRUE(log.files.ReadMemo(7, test::kJan1st1999 + 7200, memo));
  EXPECT_EQ(Column(dialog, CallListItem::kName), (QStringList{"alpha", "Bravo"}));

  log.files.WriteMonth("January1999", {calls[2]});
  FocusCall(dialog, "Bravo");
  dialog.OnEdit();
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(prompter.Shown().back(), res::kCallLogErrorAccess);
  EXPECT_EQ(Column(dialog, CallListItem::kName), QStringList{"alpha"});
}

TEST_F(CallLogDialog, OnlyAMemoThatMayBeLeftBehindMakesDeleteComplain) {
  CallLogTestFiles files;
  TestCall noFiles{"No memo files", test::kJan1st1999};
  TestCall notStored{"Not stored", test::kJan1st1999 + 60};
  notStored.memoFileNumber = 7;
  TestCall missing{"Files missing", test::kJan1st1999 + 120};
  missing.memoFileNumber = 9;
  files.WriteMonth("January1999", {MakeCall(noFiles), MakeCall(notStored), MakeCall(missing)});
  ASSERT_TRUE(files.AddMemo(7, test::kJan1st1999 + 999, "another call's memo"));
  struct Case {
    const char* call;
    bool complains;
  } cases[] = {{"No memo files", false}, {"Not stored", false}, {"Files missing", true}};
  CCallLogDlg dialog(files.Files(), {}, nullptr, kNow);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    int row = RowNamed(dialog, c.call);
    ASSERT_GE(row, 0);
    prompter.Answer(QMessageBox::Ok);  // the focus finds no memo to show
    prompter.Answer(QMessageBox::Yes);
    dialog.List().setCurrentIndex(dialog.Rows().index(row, 0));
    std::size_t before = prompter.Shown().size();
    dialog.OnDelete();
    EXPECT_EQ(RowNamed(dialog, c.call), -1);
    std::vector<QString> shown(prompter.Shown().begin() + before, prompter.Shown().end());
    std::vector<QString> expected;
    expected.emplace_back(res::kCallLogAskDelete);
    if (c.complains) expected.push_back(platform::ShownText(res::kCallLogErrorDelete));
    EXPECT_EQ(shown, expected);
  }
  std::string memo;
  EXPECT_TRUE(files.ReadMemo(7, test::kJan1st1999 + 999, memo));
  EXPECT_TRUE(files.ReadMonth("January1999").empty());
}

TEST_F(CallLogDialog, AMonthWhoseLogIsGoneShowsAnEmptyListWithZeroTotals) {
  JanuaryLog log;
  log.files.WriteMonth("February1999", {MakeCall({"February", test::kJan1st1999 + 40 * 86400})});
  CCallLogDlg dialog(log.files.Files(), {}, nullptr, kNow);
  EXPECT_EQ(dialog.Rows().rowCount(), 3);
  std::filesystem::remove(log.files.db.Path("LOG/February1999.LOG"));
  dialog.OnMonthSelected(1);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kCallLogErrorAccess);
  EXPECT_EQ(dialog.Rows().rowCount(), 0);
  EXPECT_EQ(dialog.Totals().Total().text(), "$0.0000");
  EXPECT_EQ(dialog.Totals().Minutes().text(), "00:00:00");
  EXPECT_FALSE(Enabled(dialog, CallLogButton::Print));
  EXPECT_FALSE(log.files.db.Exists("LOG/February1999.LOG"));
}
