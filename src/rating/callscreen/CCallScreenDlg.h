#pragma once
#include <QTimer>
#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MemoCounter.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "platform/Calculator.h"
#include "platform/EntryDialog.h"
#include "rating/RatingEngine.h"
#include "rating/callscreen/CallFields.h"
#include "rating/callscreen/CallFinish.h"
#include "rating/callscreen/CallSaving.h"
#include "rating/callscreen/FarEnd.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace dorv::rating {

class MoneyField;
class StepField;

// What the call screen works with, handed over by its opener.
struct CallScreenContext {
  data::PdbFiles& pdb;
  data::CallLogFile& callLog;
  data::MemoCounterStore& memoCounter;
  const data::MyInfo& myInfo;
  // The one current call: cleared for a new call, the logged call when one is reopened.
  data::CallLogRecord& currentCall;
  // The current time; tests put in their own clock.
  std::function<std::time_t()> now = [] { return std::time(nullptr); };
  // Opens the user's calling information read-only; "Calling Info" stays disabled without it.
  std::function<void(QWidget* parent)> callingInfo = {};
  platform::ProgramStarter startProgram = platform::StartDetached;
};

// Times a call, takes a call already made, or corrects a logged call, and saves it. Enter
// moves to the next field. The opener constructs it, runs Open, and shows it only when Open
// says so (RunCallScreen does all three).
class CCallScreenDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CCallScreenDlg)

 public:
  // A new call (manual entry or timing) to a book entry; the entry is the opener's and gets a
  // memo file number written into it (and back into its book) when it receives memo files.
  explicit CCallScreenDlg(CallScreenContext context, CallScreenMode mode, data::PdbRecord& entry,
                          EntryPlace place, QWidget* parent = nullptr);
  // A logged call, already read into the current call, reopened from its log.
  explicit CCallScreenDlg(CallScreenContext context, LoggedCall logged,
                          QWidget* parent = nullptr);
  ~CCallScreenDlg() override;

  // Tells the user what opening found (a memo that cannot be read, no band in force, a cheaper
  // or dearer band soon). False when the user chose to wait: the screen is then not shown.
  bool Open();

  // The main button, the one-second clock's tick, and the other commands.
  void OnMainButton();
  void OnClockTick();
  void OnStatusButton(const char* memoText, bool* flag);
  void OnAddSurcharge();
  void OnChangeSamples();
  void OnCallingInfo();
  void OnCalculator();
  void OnBandRowChanged(int row);
  void OnDateStep(DateField field, int steps);
  void OnLengthStep(LengthField field, int steps);

  void reject() override;  // Cancel and the close box
  void done(int result) override;

  CallScreenState State() const { return m_state; }
  const RatingState& Rating() const { return m_engine.State(); }
  std::time_t StartTime() const { return m_start; }
  QTimer& Clock() { return m_clock; }
  bool ShowsSampleWarning() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CCallScreenDlg(CallScreenContext context, CallScreenMode mode, data::PdbRecord* entry,
                 EntryPlace place, LoggedCall logged, QWidget* parent);
  void BuildControls();
  void Load();
  void FillFrom();
  void FillTo();
  void FillBandRows();
  void ShowDate();
  void ShowFarEnd();
  void ShowLength(const CallLength& length);
  void ShowRates();
  void ShowCharge();
  void ShowSurchargeTotal();
  void SetState(CallScreenState state);
  void MakeFieldsEditable();
  void StopTiming();
  void TakeDate(const CallDate& date);
  void TakeLength(const CallLength& length);
  void TypedDate(DateField field, const QString& text);
  void TypedLength(LengthField field, const QString& text);
  void SelectBandRow(int band);
  FinishQuestion Question() const;
  // The finishing question, if any; nothing when the user cancelled.
  std::optional<Charging> AskCharging(FinishQuestion question);
  void StopAtCancel();
  void SaveNewCall();
  void SaveReopenedCall();
  void ShowProblems(const std::vector<Problem>& problems);
  std::uint32_t LengthSeconds() const;
  bool Twelve() const { return m_context.myInfo.clock12 == 1; }

  CallScreenContext m_context;
  CallScreenMode m_mode;
  data::PdbRecord* m_entry;  // modes 1 and 2
  EntryPlace m_place;
  LoggedCall m_logged;       // mode 3
  FarEnd m_farEnd;
  RatingEngine m_engine;
  CallScreenState m_state = CallScreenState::Ready;
  std::time_t m_start = 0;
  CallDate m_date;
  CallLength m_length;
  std::array<std::int32_t, 3> m_sampleMinutes{};
  bool m_noAnswer = false;
  bool m_busy = false;
  bool m_fillingBands = false;
  // The question answered when timing was stopped from Cancel, kept for the next Save Call.
  struct Answered {
    FinishQuestion question;
    Charging charging;
  };
  std::optional<Answered> m_answered;
  // Mode 3: the key the call's memo is stored under, and whether it had one.
  std::uint32_t m_memoKey = 0;
  bool m_hadMemo = false;
  bool m_memoUnread = false;
  QTimer m_clock;

  QLabel* m_fromName;
  QLabel* m_fromPlace;
  QLabel* m_fromPhone;
  QLabel* m_toName;
  QLabel* m_toNumber;
  QLabel* m_toPlace;
  StepField* m_month;
  StepField* m_year;
  StepField* m_day;
  StepField* m_time;
  QLabel* m_farMonth;
  QLabel* m_farYear;
  QLabel* m_farDay;
  QLabel* m_farTime;
  QListWidget* m_bands;
  QLabel* m_rateFirstCaption;
  QLabel* m_rateAdditionalCaption;
  MoneyField* m_rateFirst;
  MoneyField* m_rateAdditional;
  std::array<QLabel*, 3> m_sampleLabels{};
  std::array<MoneyField*, 3> m_samples{};
  StepField* m_hours;
  StepField* m_minutes;
  StepField* m_seconds;
  MoneyField* m_charge;
  MoneyField* m_surchargeTotal;
  QPlainTextEdit* m_memo;
  QRadioButton* m_incoming;
  QRadioButton* m_outgoing;
  QPushButton* m_main;
  QPushButton* m_cancel;
  QPushButton* m_addSurcharge;
  QPushButton* m_changeSamples;
  QPushButton* m_callingInfo;
  QPushButton* m_calculator;
  QWidget* m_warningPlace;
};

// Opens the call screen and runs it modally unless the user chose to wait for a lower rate
// (then the result is OK and nothing is saved); returns its result.
int RunCallScreen(CCallScreenDlg& dialog);

// Opens the call screen for a book entry in mode 1 or 2 (any other mode opens nothing), as
// the personal database list asks for it; returns the screen's result.
int RunEntryCallScreen(const CallScreenContext& context, data::PdbRecord& entry,
                       EntryPlace place, CallScreenMode mode, QWidget* parent);

}  // namespace dorv::rating
