#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cstring>
#include <memory>

#include "callscreen/CallScreenWorld.h"
#include "data/FixedText.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "rating/callscreen/MoneyField.h"
#include "rating/callscreen/StepField.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;

namespace {

class CallScreenDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { w.myInfo.surcharges[0] = MakeSurcharge("Card A", 95); }

  CallScreenContext Context() {
    CallScreenContext context{w.pdb, w.callLog, w.counter, w.myInfo, m_current};
    context.now = [this] { return m_now; };
    context.startProgram = [](const QString&) { return false; };  // no calculator starts
    return context;
  }
  std::unique_ptr<CCallScreenDlg> OpenNew(CallScreenMode mode) {
    auto dialog = std::make_unique<CCallScreenDlg>(Context(), mode, w.entry, w.place);
    EXPECT_TRUE(dialog->Open());
    ShowForUser(*dialog);
    return dialog;
  }
  std::unique_ptr<CCallScreenDlg> Reopen(const data::CallLogRecord& logged) {
    m_current = logged;
    auto dialog = std::make_unique<CCallScreenDlg>(Context(), LoggedCall{0, 3, 2026});
    EXPECT_TRUE(dialog->Open());
    ShowForUser(*dialog);
    return dialog;
  }
  // Start Timing, the given number of one-second ticks, Stop Timing.
  void TimeCall(CCallScreenDlg& dialog, int seconds) {
    Click(Child<QPushButton>(dialog, "main"));
    for (int i = 0; i < seconds; ++i) {
      m_now += 1;
      dialog.OnClockTick();
    }
    Prompter prompter{QMessageBox::Ok};
    Click(Child<QPushButton>(dialog, "main"));
    ASSERT_EQ(dialog.State(), CallScreenState::Stopped);
    ExpectShown(prompter, {res::kCompleteMemoAndSave});
  }
  // Adds the user's first surcharge to the call through the Call Surcharges dialog.
  void AddFirstSurcharge(CCallScreenDlg& dialog) {
    ModalScript script([](QDialog& surcharges) {
      ClickRow(Child<QAbstractItemView>(surcharges, "available"), 0);
      Click(Child<QPushButton>(surcharges, "addToCall"));
      Click(Child<QPushButton>(surcharges, "ok"));
    });
    Click(Child<QPushButton>(dialog, "addSurcharge"));
    ASSERT_EQ(script.Runs(), 1);
  }
  QString MoneyText(CCallScreenDlg& dialog, const char* name) {
    return Child<MoneyField>(dialog, name)->Text();
  }
  void Type(CCallScreenDlg& dialog, const char* field, const char* text) {
    TypeInto(Child<StepField>(dialog, field)->findChild<QLineEdit*>(), text);
    Child<QPlainTextEdit>(dialog, "memo")->setFocus();  // leaving the field takes the value
  }

  CallScreenWorld w;
  data::CallLogRecord m_current{};
  std::time_t m_now = LocalTime(2026, 3, 4, 10, 0, 20);  // a Wednesday morning: "Day"
};

// Change Samples prices the new lengths for this screen only; without a band neither it nor
// Start Timing goes on (and the calculator says when none started); the call is timed in the
// band in force and saved byte for byte.
TEST_F(CallScreenDlgTest, ATimedCallShowsTheBandInForceAndIsSavedByteForByte) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  EXPECT_EQ(Child<QLabel>(*dialog, "farTime")->text(), "04:00");
  ModalScript script([](QDialog& samples) {
    TypeInto(Child<QLineEdit>(samples, "sample0"), "2");
    TypeInto(Child<QLineEdit>(samples, "sample2"), "0");
    Prompter prompter{QMessageBox::Ok};
    Click(Child<QPushButton>(samples, "ok"));
    ExpectShown(prompter, {res::kErrorSampleTime});
    TypeInto(Child<QLineEdit>(samples, "sample2"), "5");
    Click(Child<QPushButton>(samples, "ok"));
  });
  Click(Child<QPushButton>(*dialog, "changeSamples"));
  // 2 and 5 minutes at 20 cents and 10 for each further minute.
  EXPECT_EQ(MoneyText(*dialog, "sample0"), "$0.3000");
  EXPECT_EQ(MoneyText(*dialog, "sample2"), "$0.6000");
  EXPECT_EQ(w.myInfo.sampleMinutes[0], 1);
  auto* bands = Child<QListWidget>(*dialog, "bands");
  ClickRow(bands, 0, Qt::ControlModifier);  // deselects the band in force
  {
    Prompter prompter{QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    Click(Child<QPushButton>(*dialog, "changeSamples"));
    Click(Child<QPushButton>(*dialog, "main"));
    Click(Child<QPushButton>(*dialog, "calculator"));
    ExpectShown(prompter,
                {res::kWarnSelectRateband, res::kWarnSelectRateband, res::kErrorNoCalculator});
    EXPECT_EQ(script.Runs(), 1);
  }
  ClickRow(bands, 0);
  const std::time_t started = m_now;
  TimeCall(*dialog, 125);
  Child<QPlainTextEdit>(*dialog, "memo")->setPlainText(QString::fromUtf8("Trip to Montr\u00e9al"));
  Prompter prompter;
  Click(Child<QPushButton>(*dialog, "main"));
  const std::string bytes = w.LogBytes(3, 2026);
  ASSERT_EQ(bytes.size(), 920u);
  auto at = [&](std::size_t offset, auto value) {
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
  };
  EXPECT_EQ(std::string(bytes.data()), "Aunt Mary");
  EXPECT_EQ(at(300, std::uint32_t{}), 125u);
  EXPECT_EQ(at(304, std::int32_t{}), static_cast<std::int32_t>(started));
  EXPECT_EQ(at(312, double{}), 40.0);
  EXPECT_EQ(at(320, double{}), 25.0);
  EXPECT_EQ(at(328, std::uint8_t{}), 1);
  EXPECT_EQ(at(332, std::uint32_t{}), 1u);
  EXPECT_EQ(at(816, double{}), 20.0);
  EXPECT_EQ(at(904, std::uint32_t{}), 60u);
  // Memos are stored one byte a character, as the call log reads them.
  EXPECT_EQ(w.MemoOf(1, static_cast<std::uint32_t>(started)), "Trip to Montr\xe9"
                                                               "al");
}

TEST_F(CallScreenDlgTest, AtATimeNoBandCoversStartTimingStaysDisabledAndABandClickPrices) {
  m_now = LocalTime(2026, 3, 4, 3, 0);
  w.entry.ratesChanged = 0;
  Prompter prompter{QMessageBox::Ok};
  auto dialog = OpenNew(CallScreenMode::Timing);
  ExpectShown(prompter, {res::kCallCannotBePlaced});
  EXPECT_TRUE(dialog->ShowsSampleWarning());
  ClickRow(Child<QListWidget>(*dialog, "bands"), 1);
  EXPECT_EQ(MoneyText(*dialog, "rateFirst"), "$0.1000");
  EXPECT_FALSE(Child<QPushButton>(*dialog, "main")->isEnabled());
}

// Cancel to the busy question keeps the screen. A save the log takes no record of keeps the call
// too: the first try drops the surcharges by its No; the retry answers Yes and must carry them,
// with the memo as the screen now shows it.
TEST_F(CallScreenDlgTest, BusyCancelOrAFailedSaveKeepsTheCallAndTheRetryStoresWhatTheScreenShows) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  AddFirstSurcharge(*dialog);
  const std::time_t started = m_now;
  TimeCall(*dialog, 30);
  Click(Child<QPushButton>(*dialog, "busy"));
  {
    Prompter prompter{QMessageBox::Cancel};
    Click(Child<QPushButton>(*dialog, "main"));
    ExpectShown(prompter, {res::kAskChargeBusyOrNoAnswer});
    EXPECT_FALSE(w.db.Exists("LOG/March2026.LOG"));
  }
  const std::string log = w.db.Path("LOG/March2026.LOG");
  ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);  // opens, but takes no record
  {
    Prompter prompter{QMessageBox::No, QMessageBox::Ok, QMessageBox::Ok};
    Click(Child<QPushButton>(*dialog, "main"));
    ExpectShown(prompter,
                {res::kAskChargeBusyOrNoAnswer, res::kErrorCallLogAccess, res::kErrorSaveCall});
  }
  ASSERT_EQ(::unlink(log.c_str()), 0);
  auto* memo = Child<QPlainTextEdit>(*dialog, "memo");
  memo->moveCursor(QTextCursor::End);
  memo->insertPlainText(" - got through");
  Prompter prompter{QMessageBox::Yes};
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_FALSE(dialog->isVisible());
  const data::CallLogRecord call = w.Calls(3, 2026).at(0);
  EXPECT_EQ(std::tuple(call.start, call.duration, data::ReadField(call.surcharges[0].description)),
            std::tuple(started, 30u, "Card A"));
  EXPECT_EQ(w.MemoOf(1, started), res::kMemoBusy + std::string(" - got through"));
}

TEST_F(CallScreenDlgTest, AManualEntryTakesItsDateTimeLengthAndMemoButtonsFromTheScreen) {
  auto dialog = OpenNew(CallScreenMode::ManualEntry);
  for (auto [name, longest] : {std::pair{"month", "September"}, {"time", "23:58"}}) {
    auto* field = Child<StepField>(*dialog, name);
    EXPECT_GE(field->findChild<QLineEdit*>()->width(),
              field->fontMetrics().horizontalAdvance(longest))
        << name << " cuts its longest text";
  }
  EXPECT_EQ(Child<QPushButton>(*dialog, "main")->text(), res::kButtonSaveCall);
  for (int i = 0; i < 2; ++i) Click(Child<QPushButton>(*dialog, "noAnswer"));
  Click(Child<QPushButton>(*dialog, "leftMessage"));
  Child<StepField>(*dialog, "minutes")->stepBy(2);
  // From the hour digits the time moves by an hour: 10:00 to 17:00 brings the evening band.
  auto* time = Child<StepField>(*dialog, "time");
  time->SetCaretPosition(0);
  for (int i = 0; i < 7; ++i) time->stepBy(1);
  EXPECT_EQ(dialog->Rating().selectedBand, 1);
  EXPECT_EQ(MoneyText(*dialog, "charge"), "$0.3000") << "only the length spins price the length";
  time->SetCaretPosition(4);  // behind the hour digits it moves by five minutes
  time->stepBy(1);
  // Typed values are taken over on leaving the field, and bad ones refused.
  Type(*dialog, "month", "July");
  EXPECT_EQ(dialog->StartTime(), LocalTime(2026, 7, 4, 17, 5)) << "starts on the minute";
  {
    Prompter prompter{QMessageBox::Ok};
    Type(*dialog, "hours", "123");
    ExpectShown(prompter, {res::kErrorCallLength});
    EXPECT_EQ(Child<StepField>(*dialog, "hours")->Text(), "00");
  }
  Type(*dialog, "time", "21:30");
  EXPECT_EQ(dialog->Rating().selectedBand, 2) << "4 July 2026 is a Saturday";
  Prompter prompter;  // a manual entry has no busy question
  Click(Child<QPushButton>(*dialog, "main"));
  const data::CallLogRecord call = w.Calls(7, 2026).at(0);
  EXPECT_EQ(std::tuple(call.start, call.duration, call.cost),
            std::tuple(LocalTime(2026, 7, 4, 21, 30), 120u, 30.0));
  EXPECT_EQ(w.MemoOf(1, call.start),
            std::string(res::kMemoNoAnswer) + res::kMemoNoAnswer + res::kMemoLeftMessage);
}

TEST_F(CallScreenDlgTest, AReopenedCallKeepsItsChargeAndMovesToTheMonthOfItsNewDate) {
  data::CallLogRecord logged = w.LogCall(LocalTime(2026, 3, 4, 10, 0), 125, "before");
  logged.outgoing = 0;  // an incoming call: saving asks whether its rate is charged
  auto dialog = Reopen(logged);
  EXPECT_EQ(Child<QPlainTextEdit>(*dialog, "memo")->toPlainText(), "before");
  EXPECT_EQ(MoneyText(*dialog, "charge"), "$0.3000") << "the logged cost is shown as it was";
  ClickRow(Child<QListWidget>(*dialog, "bands"), 1);
  ClickRow(Child<QListWidget>(*dialog, "bands"), 2);
  Child<StepField>(*dialog, "day")->stepBy(1);
  Child<StepField>(*dialog, "month")->stepBy(1);
  Child<QPlainTextEdit>(*dialog, "memo")->setPlainText("after");
  Prompter prompter{QMessageBox::Yes};
  Click(Child<QPushButton>(*dialog, "main"));
  ExpectShown(prompter, {res::kAskRateIncoming});
  EXPECT_TRUE(w.Calls(3, 2026).empty());
  const data::CallLogRecord april = w.Calls(4, 2026).at(0);
  EXPECT_EQ(april.start, LocalTime(2026, 4, 5, 10, 0));
  EXPECT_EQ(std::tuple(april.cost, april.outgoing, april.duration), std::tuple(30.0, 0, 125u));
  EXPECT_EQ(w.MemoOf(1, april.start), "after");
  EXPECT_EQ(w.MemoOf(1, logged.start), "<none>");
}

TEST_F(CallScreenDlgTest, ReopeningACallWhoseMemoCannotBeReadSaysSoAndSavesNothing) {
  data::CallLogRecord logged = w.LogCall(LocalTime(2026, 3, 4, 10, 0), 60, "memo");
  logged.memoFileNumber = 9;  // no such files
  Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  auto dialog = Reopen(logged);
  EXPECT_TRUE(Child<QPlainTextEdit>(*dialog, "memo")->toPlainText().isEmpty());
  const std::string before = w.LogBytes(3, 2026);
  Click(Child<QPushButton>(*dialog, "main"));
  ExpectShown(prompter, {res::kErrorMemoFileAccess, res::kErrorMemoReenter});
  EXPECT_EQ(w.LogBytes(3, 2026), before);
}

// Cancel while timing asks once: No closes and Cancel keeps timing, both saving nothing; Yes
// stops and goes on to the finishing question, where No saves an incoming call without its rate
// but with its surcharges.
TEST_F(CallScreenDlgTest, CancelWhileTimingAsksTheFinishingQuestionOnlyAfterYes) {
  for (auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
    auto dialog = OpenNew(CallScreenMode::Timing);
    Click(Child<QPushButton>(*dialog, "main"));
    Prompter prompter{answer};
    Click(Child<QPushButton>(*dialog, "cancel"));
    ExpectShown(prompter, {res::kAskStopTimingAndSave});
    const bool keepsTiming = answer == QMessageBox::Cancel;
    EXPECT_EQ(dialog->isVisible(), keepsTiming);
    EXPECT_EQ(dialog->Clock().isActive(), keepsTiming);
  }
  EXPECT_FALSE(w.db.Exists("LOG/March2026.LOG"));
  auto dialog = OpenNew(CallScreenMode::Timing);
  AddFirstSurcharge(*dialog);
  EXPECT_EQ(MoneyText(*dialog, "surchargeTotal"), "$1.2000");
  QTest::mouseClick(Child<QRadioButton>(*dialog, "incoming"), Qt::LeftButton);
  Click(Child<QPushButton>(*dialog, "main"));
  Prompter prompter{QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok};
  Click(Child<QPushButton>(*dialog, "cancel"));
  Click(Child<QPushButton>(*dialog, "main"));
  ExpectShown(prompter,
              {res::kAskStopTimingAndSave, res::kAskRateIncoming, res::kCompleteMemoAndSave});
  const data::CallLogRecord call = w.Calls(3, 2026).at(0);
  EXPECT_EQ(std::tuple(call.cost, call.outgoing, call.surcharge, call.surcharges[0].cost),
            std::tuple(0.0, 0, 25.0, 95.0));
  EXPECT_EQ(data::ReadField(call.surcharges[0].description), "Card A");
}

TEST_F(CallScreenDlgTest, ALowerBandSoonAsksToWaitAndYesClosesAtOnce) {
  m_now = LocalTime(2026, 3, 4, 16, 50);
  for (auto [answer, ends] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
    Prompter prompter{answer};
    CCallScreenDlg dialog(Context(), CallScreenMode::Timing, w.entry, w.place);
    EXPECT_TRUE(prompter.Shown().empty()) << "nothing is said before the opener opens it";
    EXPECT_EQ(dialog.Open(), !ends);
    EXPECT_TRUE(!prompter.Shown().empty() && prompter.Shown()[0].contains("LOWER"));
  }
  EXPECT_FALSE(w.db.Exists("LOG/March2026.LOG"));
}

}  // namespace
