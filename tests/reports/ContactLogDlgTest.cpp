#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "reports/CContactLogDlg.h"
#include "reports/CallLogTestFiles.h"
#include "res/Strings.h"
#include "support/DialogDriver.h"
#include "support/FaultInjector.h"
#include "support/Prompter.h"

using namespace dorv;
using reports::CallListItem;
using reports::CContactLogDlg;
using reports::ContactLogButton;

namespace {

constexpr std::uint32_t kDay = 86400;
constexpr std::uint32_t kNov1998 = test::kDec1st1998 - 30 * kDay;
constexpr std::uint32_t kFeb1999 = test::kJan1st1999 + 31 * kDay;

data::CallLogRecord Call(const char* name, std::uint32_t start, const char* suffix = "0100",
                         const char* areaCode = "212", std::uint32_t memoFile = 7) {
  test::TestCall call{name, start, 60, 100.0};
  call.memoFileNumber = memoFile;
  data::CallLogRecord record = test::MakeCall(call);
  data::WriteField(record.suffix, suffix);
  data::WriteField(record.areaCode, areaCode);
  return record;
}

// The calls with 212-555-0100 from November 1998 to March 1999; a November and a December
// call are to another number, and January's is to the same number in area 303, made from another
// entry whose memo files are 8.
struct ContactWorld {
  test::CallLogTestFiles files;
  data::PdbRecord entry = test::FullEntry("Friend", "Jos\xE9", "555");  // 0100, no extension
  test::Prompter prompter;

  ContactWorld() {
    data::WriteField(entry.extension, "");
    entry.memoFileNumber = 7;
    files.WriteMonth("November1998",
                     {Call("Nov", kNov1998 + kDay), Call("Other", kNov1998 + 2 * kDay, "0199")});
    files.WriteMonth("December1998", {Call("Other", test::kDec1st1998, "0199"),
                                      Call("Dec", test::kDec1st1998 + kDay)});
    files.WriteMonth("January1999", {Call("Jan", test::kJan1st1999 + kDay, "0100", "303", 8)});
    files.WriteMonth("February1999", {Call("Feb", kFeb1999 + kDay)});
    files.WriteMonth("March1999", {Call("Mar", kFeb1999 + 30 * kDay)});
    EXPECT_TRUE(files.AddMemo(7, kNov1998 + kDay, "November\r\ncall"));
    EXPECT_TRUE(files.AddMemo(7, test::kDec1st1998 + kDay, "December call"));
    EXPECT_TRUE(files.AddMemo(8, test::kJan1st1999 + kDay, "From the office"));
  }

  // Opened as the list and the editor open it, on the middle of February 1999.
  std::unique_ptr<CContactLogDlg> Open(reports::CallReportOpeners openers = {}) {
    auto dialog = std::make_unique<CContactLogDlg>(
        files.Files(), std::move(openers),
        reports::ContactLogEntry{entry, 3, platform::FromRecord(data::TypeAndName(entry)),
                                 "212.555.0100"},
        nullptr, kFeb1999 + 14 * kDay);
    test::ShowForUser(*dialog);
    return dialog;
  }
};

QStringList Names(const CContactLogDlg& dialog) {
  return test::ColumnTexts(&dialog.Calls().List(), CallListItem::kName);
}

void Focus(CContactLogDlg& dialog, const QString& name) {
  test::ClickRow(&dialog.Calls().List(), static_cast<int>(Names(dialog).indexOf(name)));
}

}  // namespace

// The memos of the entry's calls come from its open memo files, the memo of a call made from
// another entry from that entry's; both stay readable after a Delete.
TEST(ContactLogDialog, NovemberThroughFebruaryListsPrintsAndDeletesTheEntrysCallsWithTheirMemos) {
  ContactWorld world;
  reports::CallReportOpeners openers;
  QStringList printed;
  openers.printContact = [&](const reports::ContactLogPrint& contact, QWidget*) {
    printed << contact.statusLine << contact.nameText << contact.numberText;
    for (const CallListItem* call : contact.list.rows) printed << call->Name();
  };
  auto dialog = world.Open(openers);
  const QString name = QString::fromUtf8("Friend - Jos\u00e9");
  EXPECT_EQ(Names(*dialog), QStringList{"Feb"});
  dialog->FromYear().setValue(1998);
  dialog->FromMonth().setValue(11);
  EXPECT_EQ(dialog->FromMonth().text(), "November");
  EXPECT_EQ(dialog->Calls().Totals().Minutes().text(), "00:04:00");
  // Print takes the calls as listed: another area code counts; another suffix does not.
  test::Click(&dialog->Button(ContactLogButton::Print));
  EXPECT_EQ(printed, (QStringList{name, name, "212.555.0100", "Nov", "Dec", "Jan", "Feb"}));

  Focus(*dialog, "Jan");
  EXPECT_EQ(dialog->Calls().Memo().toPlainText(), "From the office");
  Focus(*dialog, "Nov");
  world.prompter.Answer(QMessageBox::Yes);
  dialog->Button(ContactLogButton::Delete).click();
  EXPECT_EQ(Names(*dialog), (QStringList{"Dec", "Jan", "Feb"}));
  EXPECT_TRUE(world.files.db.ReadFile("LOG/November1998.LOG") ==
              test::RecordBytes(Call("Other", kNov1998 + 2 * kDay, "0199")));
  std::string memo;
  EXPECT_FALSE(world.files.ReadMemo(7, kNov1998 + kDay, memo));
  Focus(*dialog, "Dec");
  EXPECT_EQ(dialog->Calls().Memo().toPlainText(), "December call");
  test::ExpectShown(world.prompter, {res::kCallLogAskDelete});
}

// Whichever write of a Delete fails, a call still in its log keeps its row and its memo as
// stored (the call log and the bill's summaries delete through the same list).
TEST(ContactLogDialog, AFailedDeleteNeverLeavesACallWithoutItsMemo) {
  for (int nth = 1; nth <= 4; ++nth) {
    SCOPED_TRACE(nth);
    ContactWorld world;
    auto dialog = world.Open();
    dialog->FromYear().setValue(1998);
    dialog->FromMonth().setValue(11);
    Focus(*dialog, "Nov");
    world.prompter.Answer(QMessageBox::Yes);
    world.prompter.AnswerAllWith(QMessageBox::Ok);
    {
      test::FaultInjector failing(test::FailingCall::Write, nth, test::Failure::Sticky);
      dialog->Button(ContactLogButton::Delete).click();
    }
    const std::size_t left = world.files.db.ReadFile("LOG/November1998.LOG").size();
    if (left < 2 * sizeof(data::CallLogRecord)) continue;  // the call went
    EXPECT_TRUE(Names(*dialog).contains("Nov"));
    EXPECT_EQ(world.prompter.Shown().back(), platform::ShownText(res::kCallLogErrorDelete));
    std::string memo;
    ASSERT_TRUE(world.files.ReadMemo(7, kNov1998 + kDay, memo));
    EXPECT_EQ(memo, "November\r\ncall");
  }
}
