#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cstring>
#include <memory>

#include "support/Prompter.h"
#include "callscreen/CallScreenWorld.h"
#include "data/FixedText.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "rating/callscreen/MoneyField.h"
#include "rating/callscreen/StepField.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

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
    return context;
  }
  std::unique_ptr<CCallScreenDlg> OpenNew(CallScreenMode mode) {
    auto dialog = std::make_unique<CCallScreenDlg>(Context(), mode, w.entry, w.place);
    EXPECT_TRUE(dialog->Open());
    ShowForUser(*dialog);
    return dialog;
  }
  std::unique_ptr<CCallScreenDlg> Reopen(const data::CallLogRecord& logged, LoggedCall from) {
    m_current = logged;
    auto dialog = std::make_unique<CCallScreenDlg>(Context(), from);
    EXPECT_TRUE(dialog->Open());
    ShowForUser(*dialog);
    return dialog;
  }
  // Start Timing, the given number of one-second ticks, Stop Timing.
  void TimeCall(CCallScreenDlg& dialog, int seconds) {
    Click(Child<QPushButton>(dialog, "main"));
    ASSERT_EQ(dialog.State(), CallScreenState::Timing);
    for (int i = 0; i < seconds; ++i) {
      m_now += 1;
      dialog.OnClockTick();
    }
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    Click(Child<QPushButton>(dialog, "main"));
    ASSERT_EQ(dialog.State(), CallScreenState::Stopped);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kCompleteMemoAndSave));
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

  CallScreenWorld w;
  data::CallLogRecord m_current{};
  std::time_t m_now = LocalTime(2026, 3, 4, 10, 0, 20);  // a Wednesday morning: "Day"
};

TEST_F(CallScreenDlgTest, OpeningWhenNoBandCoversTheTimeKeepsStartTimingDisabled) {
  m_now = LocalTime(2026, 3, 4, 3, 0);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  auto dialog = OpenNew(CallScreenMode::Timing);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kCallCannotBePlaced));
  auto* main = Child<QPushButton>(*dialog, "main");
  EXPECT_EQ(main->text(), res::kButtonStartTiming);
  EXPECT_FALSE(main->isEnabled());
  auto* bands = Child<QListWidget>(*dialog, "bands");
  EXPECT_EQ(bands->count(), 3);
  EXPECT_TRUE(bands->selectedItems().isEmpty());
  EXPECT_EQ(MoneyText(*dialog, "rateFirst"), "$0.0000");

  ClickRow(bands, 1);
  EXPECT_EQ(dialog->Rating().selectedBand, 1);
  EXPECT_EQ(MoneyText(*dialog, "rateFirst"), "$0.1000");
  EXPECT_EQ(MoneyText(*dialog, "rateAdditional"), "$0.0500");
  EXPECT_FALSE(main->isEnabled());
}

TEST_F(CallScreenDlgTest, OpeningShowsBothPartiesTheBandInForceAndItsPrices) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  EXPECT_EQ(Child<QLabel>(*dialog, "fromName")->text(), "Pat Caller");
  EXPECT_EQ(Child<QLabel>(*dialog, "toName")->text(), "Aunt Mary");
  auto* bands = Child<QListWidget>(*dialog, "bands");
  ASSERT_EQ(bands->selectedItems().size(), 1);
  EXPECT_EQ(bands->row(bands->selectedItems()[0]), 0);
  EXPECT_EQ(MoneyText(*dialog, "rateFirst"), "$0.2000");
  EXPECT_EQ(Child<QLabel>(*dialog, "rateFirstCaption")->text(), "Rate for the first 60 seconds");
  // Samples of 1, 3 and 10 minutes at 20 cents and 10 for each further minute.
  EXPECT_EQ(Child<QLabel>(*dialog, "sampleLabel1")->text(), "3 minutes");
  EXPECT_EQ(MoneyText(*dialog, "sample1"), "$0.4000");
  EXPECT_EQ(MoneyText(*dialog, "sample2"), "$1.1000");
  EXPECT_EQ(MoneyText(*dialog, "surchargeTotal"), "$0.2500");
  EXPECT_EQ(Child<StepField>(*dialog, "month")->Text(), "March");
  EXPECT_EQ(Child<StepField>(*dialog, "time")->Text(), "10:00");
  // Greenwich time plus the entry's six hours west.
  EXPECT_EQ(Child<QLabel>(*dialog, "farTime")->text(), "04:00");
  EXPECT_EQ(Child<QLabel>(*dialog, "farDay")->text(), "4");
  EXPECT_FALSE(Child<QPushButton>(*dialog, "callingInfo")->isEnabled());
  EXPECT_FALSE(dialog->ShowsSampleWarning());
}

TEST_F(CallScreenDlgTest, StartTimingWithoutASelectedBandWarnsAndStaysReady) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  auto* bands = Child<QListWidget>(*dialog, "bands");
  ClickRow(bands, 0, Qt::ControlModifier);  // deselects the band in force
  ASSERT_TRUE(bands->selectedItems().isEmpty());
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  Click(Child<QPushButton>(*dialog, "main"));
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kWarnSelectRateband);
  EXPECT_EQ(dialog->State(), CallScreenState::Ready);
  EXPECT_FALSE(dialog->Clock().isActive());
}

TEST_F(CallScreenDlgTest, ATimedCallIsChargedIntervalByIntervalAndSavedByteForByte) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  const std::time_t started = m_now;
  TimeCall(*dialog, 125);
  EXPECT_EQ(Child<StepField>(*dialog, "minutes")->Text(), "02");
  EXPECT_EQ(Child<StepField>(*dialog, "seconds")->Text(), "05");
  EXPECT_EQ(MoneyText(*dialog, "charge"), "$0.4000");
  Child<QPlainTextEdit>(*dialog, "memo")->setPlainText(QString::fromUtf8("About the trip to Montr\u00e9al"));
  dorv::test::Prompter prompter;
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);

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
  EXPECT_EQ(w.MemoOf(1, static_cast<std::uint32_t>(started)), "About the trip to Montr\xe9"
                                                               "al");
  data::PdbRecord stored{};
  ASSERT_TRUE(w.pdb.ReadAt(0, stored, data::PdbKind::Toll));
  EXPECT_EQ(stored.memoFileNumber, 1u);
}

TEST_F(CallScreenDlgTest, AnIncomingCallAnsweredNoIsSavedWithoutRateButWithSurcharges) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  AddFirstSurcharge(*dialog);
  EXPECT_EQ(MoneyText(*dialog, "surchargeTotal"), "$1.2000");
  QTest::mouseClick(Child<QRadioButton>(*dialog, "incoming"), Qt::LeftButton);
  TimeCall(*dialog, 90);
  dorv::test::Prompter prompter;
  prompter.Answer(QMessageBox::No);
  Click(Child<QPushButton>(*dialog, "main"));
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kAskRateIncoming));
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].cost, 0.0);
  EXPECT_EQ(calls[0].outgoing, 0);
  EXPECT_EQ(calls[0].duration, 90u);
  EXPECT_EQ(calls[0].surcharge, 25.0);
  EXPECT_EQ(data::ReadField(calls[0].surcharges[0].description), "Card A");
  EXPECT_EQ(calls[0].surcharges[0].cost, 95.0);
}

TEST_F(CallScreenDlgTest, BusyAnsweredNoSavesNoChargesAtAll) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  AddFirstSurcharge(*dialog);
  TimeCall(*dialog, 30);
  Click(Child<QPushButton>(*dialog, "busy"));
  dorv::test::Prompter prompter;
  prompter.Answer(QMessageBox::No);
  Click(Child<QPushButton>(*dialog, "main"));
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kAskChargeBusyOrNoAnswer);
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].cost, 0.0);
  EXPECT_EQ(calls[0].surcharge, 0.0);
  const data::Surcharge empty{};
  for (const data::Surcharge& slot : calls[0].surcharges)
    EXPECT_EQ(std::memcmp(&slot, &empty, sizeof slot), 0);
  EXPECT_EQ(w.MemoOf(1, calls[0].start), res::kMemoBusy);
}

TEST_F(CallScreenDlgTest, CancelAtEitherQuestionSavesNothingAndKeepsTheScreen) {
  struct Row {
    const char* name;
    const char* button;  // what makes the question come
    const char* question;
  };
  const Row rows[] = {{"incoming", "incoming", res::kAskRateIncoming},
                      {"busy", "busy", res::kAskChargeBusyOrNoAnswer}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto dialog = OpenNew(CallScreenMode::Timing);
    TimeCall(*dialog, 10);
    QTest::mouseClick(Child<QWidget>(*dialog, row.button), Qt::LeftButton);
    dorv::test::Prompter prompter;
    prompter.Answer(QMessageBox::Cancel);
    Click(Child<QPushButton>(*dialog, "main"));
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0], platform::ShownText(row.question));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->State(), CallScreenState::Stopped);
    EXPECT_FALSE(w.db.Exists("LOG/March2026.LOG"));
  }
}

TEST_F(CallScreenDlgTest, AFailedSaveKeepsTheTimedCallForAnotherTry) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  TimeCall(*dialog, 61);
  ASSERT_EQ(::rmdir(w.db.Path("LOG").c_str()), 0);
  {
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    Click(Child<QPushButton>(*dialog, "main"));
    ASSERT_EQ(prompter.Shown().size(), 2u);
    EXPECT_EQ(prompter.Shown()[0], res::kErrorCallLogAccess);
    EXPECT_EQ(prompter.Shown()[1], res::kErrorSaveCall);
  }
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->State(), CallScreenState::Stopped);
  EXPECT_EQ(Child<QPushButton>(*dialog, "main")->text(), res::kButtonSaveCall);
  ASSERT_EQ(::mkdir(w.db.Path("LOG").c_str(), 0700), 0);
  dorv::test::Prompter prompter;
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_FALSE(dialog->isVisible());
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].duration, 61u);
  EXPECT_EQ(calls[0].cost, 30.0);
}

TEST_F(CallScreenDlgTest, NoAnswerTwiceAppendsItsTextTwice) {
  auto dialog = OpenNew(CallScreenMode::ManualEntry);
  for (int i = 0; i < 2; ++i) Click(Child<QPushButton>(*dialog, "noAnswer"));
  Click(Child<QPushButton>(*dialog, "leftMessage"));
  const std::string expected =
      std::string(res::kMemoNoAnswer) + res::kMemoNoAnswer + res::kMemoLeftMessage;
  EXPECT_EQ(Child<QPlainTextEdit>(*dialog, "memo")->toPlainText().toStdString(), expected);
  dorv::test::Prompter prompter;
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_TRUE(prompter.Shown().empty()) << "a manual entry has no busy question";
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(w.MemoOf(1, calls[0].start), expected);
  EXPECT_EQ(calls[0].start, LocalTime(2026, 3, 4, 10, 0)) << "a manual entry starts on the minute";
}

TEST_F(CallScreenDlgTest, AManualEntryTakesItsDateTimeAndLengthFromTheFields) {
  auto dialog = OpenNew(CallScreenMode::ManualEntry);
  EXPECT_EQ(dialog->State(), CallScreenState::Stopped);
  EXPECT_EQ(Child<QPushButton>(*dialog, "main")->text(), res::kButtonSaveCall);
  auto* minutes = Child<StepField>(*dialog, "minutes");
  minutes->stepBy(2);
  EXPECT_EQ(minutes->Text(), "02");
  EXPECT_EQ(MoneyText(*dialog, "charge"), "$0.3000");
  Child<StepField>(*dialog, "seconds")->stepBy(-1);
  EXPECT_EQ(Child<StepField>(*dialog, "seconds")->Text(), "00");

  // From the hour digits the time moves by an hour: 10:00 to 17:00 brings the evening band.
  auto* time = Child<StepField>(*dialog, "time");
  time->SetCaretPosition(0);
  for (int i = 0; i < 7; ++i) time->stepBy(1);
  EXPECT_EQ(time->Text(), "17:00");
  EXPECT_EQ(dialog->Rating().selectedBand, 1);
  EXPECT_EQ(MoneyText(*dialog, "charge"), "$0.3000") << "only the length spins price the length";
  // Behind the hour digits it moves by five minutes.
  time->SetCaretPosition(4);
  time->stepBy(1);
  EXPECT_EQ(time->Text(), "17:05");

  Click(Child<QPushButton>(*dialog, "main"));
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].start, LocalTime(2026, 3, 4, 17, 5));
  EXPECT_EQ(calls[0].duration, 120u);
  EXPECT_EQ(calls[0].cost, 30.0);
}

TEST_F(CallScreenDlgTest, TypedValuesAreTakenOverOnLeavingTheFieldAndBadOnesRefused) {
  auto dialog = OpenNew(CallScreenMode::ManualEntry);
  auto* month = Child<StepField>(*dialog, "month");
  auto* memo = Child<QPlainTextEdit>(*dialog, "memo");
  month->setFocus();
  month->selectAll();
  QTest::keyClicks(month, "July");
  memo->setFocus();
  EXPECT_EQ(month->Text(), "July");
  EXPECT_EQ(dialog->StartTime(), LocalTime(2026, 7, 4, 10, 0));

  auto* hours = Child<StepField>(*dialog, "hours");
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  hours->setFocus();
  hours->selectAll();
  QTest::keyClicks(hours, "123");
  memo->setFocus();
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorCallLength);
  EXPECT_EQ(hours->Text(), "00");

  auto* time = Child<StepField>(*dialog, "time");
  time->setFocus();
  time->selectAll();
  QTest::keyClicks(time, "21:30");
  memo->setFocus();
  EXPECT_EQ(dialog->StartTime(), LocalTime(2026, 7, 4, 21, 30));
  EXPECT_EQ(dialog->Rating().selectedBand, 2) << "4 July 2026 is a Saturday";
}

TEST_F(CallScreenDlgTest, ReopeningAndMovingTheDateIntoAnotherMonthMovesTheRecord) {
  data::CallLogRecord logged = w.LogCall(LocalTime(2026, 3, 4, 10, 0), 125, "before");
  auto dialog = Reopen(logged, {0, 3, 2026});
  EXPECT_EQ(Child<QPlainTextEdit>(*dialog, "memo")->toPlainText(), "before");
  EXPECT_EQ(Child<StepField>(*dialog, "minutes")->Text(), "02");
  EXPECT_EQ(MoneyText(*dialog, "charge"), "$0.3000") << "the logged cost is shown as it was";
  EXPECT_EQ(Child<QPushButton>(*dialog, "main")->text(), res::kButtonSaveCall);
  Child<StepField>(*dialog, "month")->stepBy(1);
  Child<QPlainTextEdit>(*dialog, "memo")->setPlainText("after");
  dorv::test::Prompter prompter;
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(w.Calls(3, 2026).empty());
  auto april = w.Calls(4, 2026);
  ASSERT_EQ(april.size(), 1u);
  EXPECT_EQ(april[0].start, LocalTime(2026, 4, 4, 10, 0));
  EXPECT_EQ(april[0].duration, 125u);
  EXPECT_EQ(w.MemoOf(1, april[0].start), "after");
  EXPECT_EQ(w.MemoOf(1, logged.start), "<none>");
}

TEST_F(CallScreenDlgTest, AReopenedIncomingCallAnsweredNoKeepsItsPlaceWithoutRateCharge) {
  data::CallLogRecord logged = w.LogCall(LocalTime(2026, 3, 4, 10, 0), 125, "memo");
  logged.outgoing = 0;
  auto dialog = Reopen(logged, {0, 3, 2026});
  EXPECT_TRUE(Child<QRadioButton>(*dialog, "incoming")->isChecked());
  dorv::test::Prompter prompter;
  prompter.Answer(QMessageBox::No);
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_EQ(prompter.Shown().at(0), platform::ShownText(res::kAskRateIncoming));
  EXPECT_FALSE(dialog->isVisible());
  auto march = w.Calls(3, 2026);
  ASSERT_EQ(march.size(), 1u);
  EXPECT_EQ(march[0].cost, 0.0);
  EXPECT_EQ(march[0].outgoing, 0);
  EXPECT_EQ(march[0].duration, 125u);
  EXPECT_EQ(w.MemoOf(1, march[0].start), "memo");
}

TEST_F(CallScreenDlgTest, ReopeningACallWhoseMemoCannotBeReadSaysSo) {
  data::CallLogRecord logged = w.LogCall(LocalTime(2026, 3, 4, 10, 0), 60, "memo");
  logged.memoFileNumber = 9;  // no such files
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  auto dialog = Reopen(logged, {0, 3, 2026});
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorMemoFileAccess);
  EXPECT_TRUE(Child<QPlainTextEdit>(*dialog, "memo")->toPlainText().isEmpty());
  const std::string before = w.LogBytes(3, 2026);
  dorv::test::Prompter saving;
  saving.AnswerAllWith(QMessageBox::Ok);
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_EQ(saving.Shown().at(0), platform::ShownText(res::kErrorMemoReenter));
  EXPECT_EQ(w.LogBytes(3, 2026), before);
}

TEST_F(CallScreenDlgTest, TheFarEndTimeOutsideNorthAmericaTakesOffTheStoredFiveHours) {
  data::WriteField(w.entry.country, "FRANCE");
  w.entry.timeZone = 6;  // one hour east of Greenwich
  auto dialog = OpenNew(CallScreenMode::Timing);
  EXPECT_EQ(Child<QLabel>(*dialog, "farTime")->text(), "11:00");
}

TEST_F(CallScreenDlgTest, BandClicksAndDateSpinsKeepTheChargeOfAReopenedCall) {
  data::CallLogRecord logged = w.LogCall(LocalTime(2026, 3, 4, 10, 0), 60, "memo");
  auto dialog = Reopen(logged, {0, 3, 2026});
  ClickRow(Child<QListWidget>(*dialog, "bands"), 1);
  ClickRow(Child<QListWidget>(*dialog, "bands"), 2);
  Child<StepField>(*dialog, "day")->stepBy(1);
  Click(Child<QPushButton>(*dialog, "main"));
  EXPECT_EQ(w.Calls(3, 2026).at(0).cost, 30.0);
}

TEST_F(CallScreenDlgTest, ARetriedSaveStoresWhatTheScreenNowShows) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  AddFirstSurcharge(*dialog);
  const std::time_t started = m_now;
  TimeCall(*dialog, 30);
  Click(Child<QPushButton>(*dialog, "busy"));
  const std::string log = w.db.Path("LOG/March2026.LOG");
  ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);  // opens, but takes no record
  {
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    prompter.Answer(QMessageBox::No);
    Click(Child<QPushButton>(*dialog, "main"));
    EXPECT_EQ(prompter.Shown().back(), res::kErrorSaveCall);
  }
  ASSERT_EQ(::unlink(log.c_str()), 0);
  Child<QPlainTextEdit>(*dialog, "memo")->setPlainText("Got through");
  dorv::test::Prompter prompter;
  prompter.Answer(QMessageBox::Yes);
  Click(Child<QPushButton>(*dialog, "main"));
  auto calls = w.Calls(3, 2026);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].start, started);
  EXPECT_EQ(data::ReadField(calls[0].surcharges[0].description), "Card A");
  EXPECT_EQ(w.MemoOf(1, started), "Got through");
}

TEST_F(CallScreenDlgTest, StoppingAtCancelAsksTheFinishingQuestionOnce) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  QTest::mouseClick(Child<QRadioButton>(*dialog, "incoming"), Qt::LeftButton);
  Click(Child<QPushButton>(*dialog, "main"));
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  prompter.Answer(QMessageBox::Yes);
  prompter.Answer(QMessageBox::No);
  Click(Child<QPushButton>(*dialog, "cancel"));
  Click(Child<QPushButton>(*dialog, "main"));
  using platform::ShownText;
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kAskStopTimingAndSave,
                                                    ShownText(res::kAskRateIncoming),
                                                    ShownText(res::kCompleteMemoAndSave)}));
  EXPECT_EQ(w.Calls(3, 2026).at(0).cost, 0.0);
}

TEST_F(CallScreenDlgTest, ALowerBandSoonAsksToWaitAndYesClosesAtOnce) {
  m_now = LocalTime(2026, 3, 4, 16, 50);
  for (auto [answer, ends] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
    SCOPED_TRACE(ends ? "Yes" : "No");
    dorv::test::Prompter prompter;
    prompter.Answer(answer);
    CCallScreenDlg dialog(Context(), CallScreenMode::Timing, w.entry, w.place);
    EXPECT_TRUE(prompter.Shown().empty()) << "nothing is said before the opener opens it";
    EXPECT_EQ(dialog.Open(), !ends);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_TRUE(prompter.Shown()[0].contains("LOWER"));
  }
  EXPECT_FALSE(w.db.Exists("LOG/March2026.LOG"));
}

TEST_F(CallScreenDlgTest, CancelWhileTimingAsksWhetherToStopAndSave) {
  struct Row {
    const char* name;
    QMessageBox::StandardButton answer;
    bool staysOpen;
    CallScreenState state;
  };
  const Row rows[] = {
      {"Yes stops and waits for Save Call", QMessageBox::Yes, true, CallScreenState::Stopped},
      {"No closes without saving", QMessageBox::No, false, CallScreenState::Timing},
      {"Cancel keeps timing", QMessageBox::Cancel, true, CallScreenState::Timing},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto dialog = OpenNew(CallScreenMode::Timing);
    Click(Child<QPushButton>(*dialog, "main"));
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    prompter.Answer(row.answer);
    Click(Child<QPushButton>(*dialog, "cancel"));
    EXPECT_EQ(prompter.Shown().at(0), res::kAskStopTimingAndSave);
    EXPECT_EQ(dialog->isVisible(), row.staysOpen);
    EXPECT_EQ(dialog->Clock().isActive(), row.answer == QMessageBox::Cancel);
    if (row.staysOpen) {
      EXPECT_EQ(dialog->State(), row.state);
    }
    EXPECT_FALSE(w.db.Exists("LOG/March2026.LOG"));
  }
}

TEST_F(CallScreenDlgTest, ChangeSamplesPricesTheNewLengthsForThisScreenOnly) {
  auto dialog = OpenNew(CallScreenMode::Timing);
  ModalScript script([](QDialog& samples) {
    TypeInto(Child<QLineEdit>(samples, "sample0"), "2");
    TypeInto(Child<QLineEdit>(samples, "sample2"), "0");
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    Click(Child<QPushButton>(samples, "ok"));
    EXPECT_EQ(prompter.Shown().at(0), res::kErrorSampleTime);
    TypeInto(Child<QLineEdit>(samples, "sample2"), "5");
    Click(Child<QPushButton>(samples, "ok"));
  });
  Click(Child<QPushButton>(*dialog, "changeSamples"));
  EXPECT_EQ(Child<QLabel>(*dialog, "sampleLabel0")->text(), "2 minutes");
  EXPECT_EQ(MoneyText(*dialog, "sample0"), "$0.3000");
  EXPECT_EQ(MoneyText(*dialog, "sample2"), "$0.6000");
  EXPECT_EQ(w.myInfo.sampleMinutes[0], 1);

  ClickRow(Child<QListWidget>(*dialog, "bands"), 0, Qt::ControlModifier);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  Click(Child<QPushButton>(*dialog, "changeSamples"));
  EXPECT_EQ(prompter.Shown().at(0), res::kWarnSelectRateband);
  EXPECT_EQ(script.Runs(), 1);
}

TEST_F(CallScreenDlgTest, CallingInfoAndCalculatorUseWhatTheOpenerGives) {
  int opened = 0;
  CallScreenContext context = Context();
  context.callingInfo = [&opened](QWidget*) { ++opened; };
  context.startProgram = [](const QString&) { return false; };
  CCallScreenDlg dialog(context, CallScreenMode::Timing, w.entry, w.place);
  ShowForUser(dialog);
  Click(Child<QPushButton>(dialog, "callingInfo"));
  EXPECT_EQ(opened, 1);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  Click(Child<QPushButton>(dialog, "calculator"));
  EXPECT_EQ(prompter.Shown().at(0), platform::ShownText(res::kErrorNoCalculator));
}

TEST_F(CallScreenDlgTest, SampleRatesArePaintedAsAWarning) {
  auto countYellow = [](const QImage& image) {
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == QColor(Qt::yellow)) ++yellow;
    return yellow;
  };
  auto plain = OpenNew(CallScreenMode::Timing);
  EXPECT_EQ(countYellow(plain->grab().toImage()), 0);
  w.entry.ratesChanged = 0;
  auto samples = OpenNew(CallScreenMode::Timing);
  EXPECT_TRUE(samples->ShowsSampleWarning());
  EXPECT_GT(countYellow(samples->grab().toImage()), 0);
}

}  // namespace
