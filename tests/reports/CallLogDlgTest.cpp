#include <gtest/gtest.h>

#include <QHeaderView>
#include <filesystem>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/Messages.h"
#include "reports/CCallLogDlg.h"
#include "reports/CallLogTestFiles.h"
#include "res/Strings.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"

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
constexpr std::uint32_t kBravoStart = test::kJan1st1999 + 7200;

QStringList Names(const CCallLogDlg& dialog) {
  return test::ColumnTexts(&dialog.List(), CallListItem::kName);
}

// Three January calls, written out of date order. Bravo's memo is stored in files 7; alpha's
// memo files are 7 too, but hold no memo of it; Charlie's memo files 9 are gone, and Charlie was
// rated with the sample rates.
struct JanuaryLog {
  CallLogTestFiles files;
  std::vector<data::CallLogRecord> calls;  // as written
  JanuaryLog() {
    TestCall charlie{"Charlie", test::kJan1st1999 + 86400, 3725, 300.0};
    charlie.memoFileNumber = 9;
    charlie.sampleRates = true;
    TestCall bravo{"Bravo", kBravoStart, 120, 200.0, 5.0};
    TestCall alpha{"alpha", test::kJan1st1999 + 3600, 60, 100.0};
    bravo.memoFileNumber = alpha.memoFileNumber = 7;
    calls = {MakeCall(charlie), MakeCall(bravo), MakeCall(alpha)};
    files.WriteMonth("January1999", calls);
    EXPECT_TRUE(files.AddMemo(7, kBravoStart, "Talked about the\r\nweather"));
  }
  std::string LogBytes() { return files.db.ReadFile("LOG/January1999.LOG"); }
  bool MemoKept() {
    std::string memo;
    return files.ReadMemo(7, kBravoStart, memo) && memo == "Talked about the\r\nweather";
  }
};

// Puts the focus on the named call with a click, the dialog on screen.
void FocusCall(CCallLogDlg& dialog, const QString& name) {
  if (!dialog.isVisible()) test::ShowForUser(dialog);
  test::ClickRow(&dialog.List(), static_cast<int>(Names(dialog).indexOf(name)));
}

}  // namespace

// The current month is shown when it has a log, else the oldest; a month whose log is gone says
// so, lists nothing and is not made anew.
TEST(CallLogDialog, ListsMonthsAndCallsMarksSampleRatesPrintsAsShownAndFocusShowsTheMemo) {
  JanuaryLog log;
  const std::uint32_t february = test::kJan1st1999 + 40 * 86400;
  log.files.WriteMonth("February1999", {MakeCall({"Own", february})});
  EXPECT_EQ(Names(CCallLogDlg(log.files.Files(), {}, nullptr, february)), QStringList{"Own"});
  std::vector<QString> printed;
  reports::CallReportOpeners openers;
  openers.print = [&](const reports::CallListPrint& list, QWidget*) {
    for (const CallListItem* row : list.rows) printed.push_back(row->Name());
    EXPECT_EQ(list.monthText, "January 1999");
    EXPECT_EQ(list.totals.seconds, 3905);
  };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  EXPECT_EQ(Names(dialog), (QStringList{"alpha", "Bravo", "Charlie"}));
  EXPECT_FALSE(dialog.SampleRatesNote().isHidden());
  EXPECT_EQ(dialog.Totals().Total().text(), "$6.0500");
  // The date column starts toggled: its first click sorts newest first; Print gets that order.
  emit dialog.List().header()->sectionClicked(CallListItem::kDate);
  dialog.OnPrint();
  EXPECT_EQ(printed, (std::vector<QString>{"Charlie", "Bravo", "alpha"}));

  FocusCall(dialog, "Bravo");
  EXPECT_EQ(dialog.Memo().toPlainText(), "Talked about the\nweather");
  EXPECT_EQ(test::ColumnTexts(&dialog.SurchargePane().List(), 1), QStringList{"$0.0500"});
  // A call without a memo says so and leaves both panes for that call.
  test::Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  FocusCall(dialog, "alpha");
  EXPECT_TRUE(dialog.Memo().toPlainText().isEmpty());
  EXPECT_EQ(dialog.SurchargePane().Rows().rowCount(), 0);

  // A marked amount of thousands of dollars is shown in full at the dialog's size.
  QString wide = QString::fromLatin1(data::MoneyText(123456.78, false));
  int width = dialog.List().columnWidth(CallListItem::kCost);
  EXPECT_EQ(platform::PlanCell(dialog.List().fontMetrics(), wide, width, CallListItem::kCost,
                               Qt::AlignRight)
                .text,
            wide);
  dialog.OnMonthSelected(1);  // nothing marked there, so the note goes
  EXPECT_TRUE(dialog.SampleRatesNote().isHidden());

  std::filesystem::remove(log.files.db.Path("LOG/January1999.LOG"));
  dialog.OnMonthSelected(0);
  EXPECT_EQ(dialog.Rows().rowCount(), 0);
  EXPECT_FALSE(log.files.db.Exists("LOG/January1999.LOG"));
  test::ExpectShown(prompter, {res::kCallLogErrorMemoAccess, res::kCallLogErrorAccess});
  std::filesystem::remove(log.files.db.Path("LOG/February1999.LOG"));
  EXPECT_EQ(CCallLogDlg(log.files.Files(), {}, nullptr, kNow).MonthBox().count(), 0);
}

TEST(CallLogDialog, EditReopensTheRowsCallReloadsWhenSavedAndTouchesNothingOfALogChanged) {
  JanuaryLog log;
  int opened = 0;
  int answer = 2;
  reports::CallReportOpeners openers;
  openers.callScreen = [&](const reports::LoggedCall& where, data::CallLogRecord& call, QWidget*) {
    ++opened;
    EXPECT_EQ((std::vector<long>{where.month, where.year, where.recordIndex}),
              (std::vector<long>{1, 1999, 1}));
    EXPECT_EQ(&call, &log.files.currentCall);
    EXPECT_EQ(data::ReadField(call.name), "Bravo");
    EXPECT_FALSE(log.files.callLog.IsOpen());
    if (answer == 1) {  // the screen saves the call under a new name
      data::WriteField(call.name, "Bravo edited");
      EXPECT_TRUE(log.files.callLog.OpenMonthNumber(1, 1999, false));
      EXPECT_TRUE(log.files.callLog.WriteRecord(where.recordIndex, call));
      log.files.callLog.Close();
    }
    return answer;
  };
  CCallLogDlg dialog(log.files.Files(), openers, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  dialog.OnEdit();  // cancelled
  answer = 1;
  dialog.OnEdit();
  EXPECT_EQ(Names(dialog), (QStringList{"alpha", "Bravo edited", "Charlie"}));

  // Another program removed the first record: Delete and Edit of a row whose call is no longer
  // where it was listed, or whose log is gone, touch nothing and list the month anew.
  const std::string saved = log.LogBytes();
  const std::size_t record = sizeof(data::CallLogRecord);
  log.files.db.WriteFile("LOG/January1999.LOG", saved.substr(record));
  test::Prompter prompter{QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok,
                          QMessageBox::Ok};
  FocusCall(dialog, "Bravo edited");
  dialog.OnDelete();
  EXPECT_TRUE(log.LogBytes() == saved.substr(record));
  EXPECT_TRUE(log.MemoKept());
  EXPECT_EQ(Names(dialog), (QStringList{"alpha", "Bravo edited"}));
  log.files.db.WriteFile("LOG/January1999.LOG", saved.substr(2 * record));
  FocusCall(dialog, "Bravo edited");
  dialog.OnEdit();
  EXPECT_EQ(Names(dialog), QStringList{"alpha"});
  FocusCall(dialog, "alpha");
  std::filesystem::remove(log.files.db.Path("LOG/January1999.LOG"));
  dialog.OnEdit();
  EXPECT_EQ(opened, 2);
  test::ExpectShown(prompter,
                    {res::kCallLogAskDelete, res::kCallLogErrorDelete, res::kCallLogErrorAccess,
                     res::kCallLogErrorMemoAccess, res::kCallLogErrorAccess});
}

// Delete asks first; the list and totals then follow each Delete without reading the month
// again, and the call that lay behind a deleted one in the file is found at its new place. Only
// a memo that may be left behind makes a Delete complain.
TEST(CallLogDialog, DeleteAsksThenRemovesTheCallAndItsMemoAndASecondDeleteTheRightCall) {
  JanuaryLog log;
  CCallLogDlg dialog(log.files.Files(), {}, nullptr, kNow);
  FocusCall(dialog, "Bravo");
  test::Prompter prompter{QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes,
                          QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok};
  dialog.OnDelete();
  EXPECT_TRUE(log.LogBytes() == test::RecordBytes(log.calls));
  EXPECT_TRUE(log.MemoKept());
  dialog.OnDelete();
  std::string memo;
  EXPECT_FALSE(log.files.ReadMemo(7, kBravoStart, memo));
  EXPECT_FALSE(dialog.Button(CallLogButton::Delete).isEnabled());
  FocusCall(dialog, "alpha");  // a call whose memo is not there says so, but no memo stays
  dialog.Button(CallLogButton::Delete).click();
  EXPECT_TRUE(log.LogBytes() == test::RecordBytes(log.calls[0])) << "Charlie's call alone stays";
  EXPECT_EQ(Names(dialog), QStringList{"Charlie"});
  EXPECT_EQ(dialog.Totals().Minutes().text(), "01:02:05");
  EXPECT_EQ(dialog.Totals().Costs().text(), "$3.0000");
  // A call whose memo files are gone goes, and the Delete says its memo may be left behind.
  FocusCall(dialog, "Charlie");
  dialog.OnDelete();
  EXPECT_EQ(log.LogBytes(), "");
  test::ExpectShown(prompter,
                    {res::kCallLogAskDelete, res::kCallLogAskDelete, res::kCallLogErrorMemoAccess,
                     res::kCallLogAskDelete, res::kCallLogErrorMemoAccess, res::kCallLogAskDelete,
                     res::kCallLogErrorDelete});
}
