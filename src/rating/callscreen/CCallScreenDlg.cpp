#include "rating/callscreen/CCallScreenDlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "data/PdbText.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "platform/WarningNote.h"
#include "rating/Surcharges.h"
#include "rating/callscreen/BandRows.h"
#include "rating/callscreen/CSampleTimeCalculationsDlg.h"
#include "rating/callscreen/MoneyField.h"
#include "rating/callscreen/StepField.h"
#include "rating/dialogs/CCallSurchargesDlg.h"
#include "res/Strings.h"

namespace dorv::rating {
namespace {

constexpr int kTickMilliseconds = 1000;

RateView RatesOf(CallScreenMode mode, const data::CallLogRecord& call,
                 const data::PdbRecord* entry) {
  return mode == CallScreenMode::Reopen ? RateView(call) : RateView(*entry);
}

// A list or text box that asks for no more height than its minimum and takes what height the
// window has beyond it, so that the whole screen fits a 768-pixel display.
template <class Area>
class CompactArea final : public Area {
 public:
  explicit CompactArea(QWidget* parent) : Area(parent) {
    this->setMinimumHeight(this->fontMetrics().lineSpacing() * 4 + 2 * this->frameWidth() + 8);
  }
  QSize sizeHint() const override { return {Area::sizeHint().width(), this->minimumHeight()}; }
};

QLabel* NamedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

QPushButton* NamedButton(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

StepField* NamedStep(const char* name, QWidget* parent) {
  auto* field = new StepField(parent);
  field->setObjectName(name);
  field->SetEditable(false);
  return field;
}

MoneyField* NamedMoney(const char* name, QWidget* parent) {
  auto* field = new MoneyField(parent);
  field->setObjectName(name);
  return field;
}

QString MessageText(const Problem& problem) {
  switch (problem.problem) {
    case SaveProblem::CallLogAccess: return res::kErrorCallLogAccess;
    case SaveProblem::MemoNewFile:
      return QString(res::kErrorMemoNewFile).replace("%i", QString::number(problem.number));
    case SaveProblem::EntryWriteBack: return res::kErrorSelectedEntry;
    case SaveProblem::MemoAccess: return res::kErrorMemoReenter;
    case SaveProblem::MemoNotSaved: return res::kErrorMemoNotSaved;
    case SaveProblem::OldMemoLeft: return res::kErrorOldMemoLeft;
    case SaveProblem::MemoFolderMissing: return res::kErrorMemoFolderMissing;
  }
  return {};
}

}  // namespace

CCallScreenDlg::CCallScreenDlg(CallScreenContext context, CallScreenMode mode,
                               data::PdbRecord& entry, EntryPlace place, QWidget* parent)
    : CCallScreenDlg(std::move(context), mode, &entry, place, LoggedCall{-1, 0, 0}, parent) {}

CCallScreenDlg::CCallScreenDlg(CallScreenContext context, LoggedCall logged, QWidget* parent)
    : CCallScreenDlg(std::move(context), CallScreenMode::Reopen, nullptr,
                     EntryPlace{data::PdbKind::Toll, -1}, logged, parent) {}

CCallScreenDlg::CCallScreenDlg(CallScreenContext context, CallScreenMode mode,
                               data::PdbRecord* entry, EntryPlace place, LoggedCall logged,
                               QWidget* parent)
    : EntryDialog(parent),
      m_context(std::move(context)),
      m_mode(mode),
      m_entry(entry),
      m_place(place),
      m_logged(logged),
      m_farEnd(mode == CallScreenMode::Reopen ? FarEndOf(m_context.currentCall, m_context.myInfo)
                                              : FarEndOf(*entry, m_context.myInfo)),
      m_engine(RatesOf(mode, m_context.currentCall, entry)) {
  BuildControls();
  platform::RefuseNonRecordText(*this);
  m_clock.setInterval(kTickMilliseconds);
  connect(&m_clock, &QTimer::timeout, this, &CCallScreenDlg::OnClockTick);
  Load();
}

CCallScreenDlg::~CCallScreenDlg() = default;

void CCallScreenDlg::BuildControls() {
  m_fromName = NamedLabel("fromName", this);
  m_fromPlace = NamedLabel("fromPlace", this);
  m_fromPhone = NamedLabel("fromPhone", this);
  m_toName = NamedLabel("toName", this);
  m_toNumber = NamedLabel("toNumber", this);
  m_toPlace = NamedLabel("toPlace", this);
  m_month = NamedStep("month", this);
  m_year = NamedStep("year", this);
  m_day = NamedStep("day", this);
  m_time = NamedStep("time", this);
  QStringList months, clocks;
  for (int month = 1; month <= 12; ++month) months << platform::FromRecord(data::MonthName(month));
  for (int hour = 0; hour < 24; ++hour)
    clocks << platform::FromRecord(ClockText(hour, 58, Twelve()));
  m_month->SetWidestTexts(months);
  m_time->SetWidestTexts(clocks);
  m_year->SetWidestTexts({"8888"});
  m_day->SetWidestTexts({"28"});
  m_farMonth = NamedLabel("farMonth", this);
  m_farYear = NamedLabel("farYear", this);
  m_farDay = NamedLabel("farDay", this);
  m_farTime = NamedLabel("farTime", this);
  m_bands = new CompactArea<QListWidget>(this);
  m_bands->setObjectName("bands");
  m_bands->setAccessibleName(res::kCallGroupBands);
  m_rateFirstCaption = NamedLabel("rateFirstCaption", this);
  m_rateAdditionalCaption = NamedLabel("rateAdditionalCaption", this);
  m_rateFirst = NamedMoney("rateFirst", this);
  m_rateAdditional = NamedMoney("rateAdditional", this);
  for (int i = 0; i < 3; ++i) {
    m_sampleLabels[i] = NamedLabel(QString("sampleLabel%1").arg(i).toLatin1().constData(), this);
    m_samples[i] = NamedMoney(QString("sample%1").arg(i).toLatin1().constData(), this);
  }
  m_hours = NamedStep("hours", this);
  m_minutes = NamedStep("minutes", this);
  m_seconds = NamedStep("seconds", this);
  m_charge = NamedMoney("charge", this);
  m_surchargeTotal = NamedMoney("surchargeTotal", this);
  m_memo = new CompactArea<QPlainTextEdit>(this);
  m_memo->setObjectName("memo");
  m_incoming = new QRadioButton(res::kCallIncoming, this);
  m_incoming->setObjectName("incoming");
  m_outgoing = new QRadioButton(res::kCallOutgoing, this);
  m_outgoing->setObjectName("outgoing");
  auto* direction = new QButtonGroup(this);
  direction->addButton(m_incoming);
  direction->addButton(m_outgoing);
  m_main = NamedButton(res::kButtonStartTiming, "main", this);
  m_cancel = NamedButton(res::kButtonCancel, "cancel", this);
  auto* noAnswer = NamedButton(res::kButtonNoAnswer, "noAnswer", this);
  auto* busy = NamedButton(res::kButtonBusy, "busy", this);
  auto* leftMessage = NamedButton(res::kButtonLeftMessage, "leftMessage", this);
  auto* wrongNumber = NamedButton(res::kButtonWrongNumber, "wrongNumber", this);
  auto* droppedCall = NamedButton(res::kButtonDroppedCall, "droppedCall", this);
  m_addSurcharge = NamedButton(res::kButtonAddSurcharge, "addSurcharge", this);
  m_changeSamples = NamedButton(res::kButtonChangeSamples, "changeSamples", this);
  m_callingInfo = NamedButton(res::kButtonCallingInfo, "callingInfo", this);
  m_calculator = NamedButton(res::kMenuCalculator, "calculator", this);
  m_warningPlace = new QWidget(this);
  m_warningPlace->setFixedHeight(1);

  QFont bold("Times New Roman");
  bold.setPixelSize(16);
  bold.setWeight(QFont::Bold);
  for (StepField* field : {m_hours, m_minutes, m_seconds}) field->setFont(bold);
  m_charge->SetFieldFont(bold);
  m_surchargeTotal->SetFieldFont(bold);

  auto* from = new QGroupBox(res::kCallGroupFrom, this);
  auto* fromLayout = new QVBoxLayout(from);
  for (QLabel* label : {m_fromName, m_fromPlace, m_fromPhone}) fromLayout->addWidget(label);
  auto* to = new QGroupBox(res::kCallGroupTo, this);
  auto* toLayout = new QVBoxLayout(to);
  for (QLabel* label : {m_toName, m_toNumber, m_toPlace}) toLayout->addWidget(label);

  auto* start = new QGroupBox(res::kCallGroupStart, this);
  auto* startLayout = new QHBoxLayout(start);
  for (StepField* field : {m_month, m_day, m_year, m_time}) startLayout->addWidget(field);
  auto* farEnd = new QGroupBox(res::kCallGroupFarEnd, this);
  auto* farLayout = new QHBoxLayout(farEnd);
  for (QLabel* label : {m_farMonth, m_farDay, m_farYear, m_farTime}) farLayout->addWidget(label);

  auto* bands = new QGroupBox(res::kCallGroupBands, this);
  auto* bandLayout = new QGridLayout(bands);
  bandLayout->addWidget(m_bands, 0, 0, 1, 2);
  bandLayout->addWidget(m_rateFirstCaption, 1, 0);
  bandLayout->addWidget(m_rateFirst, 1, 1);
  bandLayout->addWidget(m_rateAdditionalCaption, 2, 0);
  bandLayout->addWidget(m_rateAdditional, 2, 1);
  auto* samples = new QGroupBox(res::kCallGroupSamples, this);
  auto* sampleLayout = new QGridLayout(samples);
  for (int i = 0; i < 3; ++i) {
    sampleLayout->addWidget(m_sampleLabels[i], i, 0);
    sampleLayout->addWidget(m_samples[i], i, 1);
  }
  sampleLayout->addWidget(m_changeSamples, 3, 0, 1, 2);

  auto* timing = new QGridLayout;
  timing->addWidget(new QLabel(res::kCallLabelLength, this), 0, 0);
  // The parts of the date and of the length, as a screen reader names them.
  for (const auto& [field, group, part] :
       {std::tuple{m_month, res::kCallGroupStart, res::kNameMonth},
        std::tuple{m_day, res::kCallGroupStart, res::kNameDay},
        std::tuple{m_year, res::kCallGroupStart, res::kNameYear},
        std::tuple{m_time, res::kCallGroupStart, res::kNameTime},
        std::tuple{m_hours, res::kCallLabelLength, res::kNameHours},
        std::tuple{m_minutes, res::kCallLabelLength, res::kNameMinutes},
        std::tuple{m_seconds, res::kCallLabelLength, res::kNameSeconds}})
    field->setAccessibleName(QString(group) + " " + part);
  auto* length = new QHBoxLayout;
  for (StepField* field : {m_hours, m_minutes, m_seconds}) length->addWidget(field);
  timing->addLayout(length, 0, 1);
  timing->addWidget(new QLabel(res::kCallLabelCharge, this), 1, 0);
  timing->addWidget(m_charge, 1, 1);
  timing->addWidget(new QLabel(res::kCallLabelSurcharges, this), 2, 0);
  timing->addWidget(m_surchargeTotal, 2, 1);
  timing->addWidget(m_incoming, 3, 0);
  timing->addWidget(m_outgoing, 3, 1);

  auto* status = new QHBoxLayout;
  for (QPushButton* button : {noAnswer, busy, leftMessage, wrongNumber, droppedCall})
    status->addWidget(button);
  auto* commands = new QHBoxLayout;
  for (QPushButton* button : {m_main, m_addSurcharge, m_callingInfo, m_calculator, m_cancel})
    commands->addWidget(button);

  auto* layout = new QGridLayout(this);
  layout->addWidget(from, 0, 0);
  layout->addWidget(to, 0, 1);
  layout->addWidget(start, 1, 0);
  layout->addWidget(farEnd, 1, 1);
  layout->addWidget(bands, 2, 0);
  layout->addWidget(samples, 2, 1);
  layout->addLayout(timing, 3, 0);
  layout->addWidget(platform::LabelFor(res::kCallMemoCaption, m_memo), 4, 0, 1, 2);
  layout->addWidget(m_memo, 5, 0, 1, 2);
  layout->addLayout(status, 6, 0, 1, 2);
  layout->addWidget(m_warningPlace, 8, 0, 1, 2);
  layout->setRowMinimumHeight(7, 24);
  layout->addLayout(commands, 9, 0, 1, 2);
  setWindowTitle(res::kCallScreenCaption);
  platform::SetCaption(*this);

  connect(m_main, &QPushButton::clicked, this, &CCallScreenDlg::OnMainButton);
  connect(m_cancel, &QPushButton::clicked, this, &CCallScreenDlg::reject);
  connect(noAnswer, &QPushButton::clicked, this,
          [this] { OnStatusButton(res::kMemoNoAnswer, &m_noAnswer); });
  connect(busy, &QPushButton::clicked, this, [this] { OnStatusButton(res::kMemoBusy, &m_busy); });
  connect(leftMessage, &QPushButton::clicked, this,
          [this] { OnStatusButton(res::kMemoLeftMessage, nullptr); });
  connect(wrongNumber, &QPushButton::clicked, this,
          [this] { OnStatusButton(res::kMemoWrongNumber, nullptr); });
  connect(droppedCall, &QPushButton::clicked, this,
          [this] { OnStatusButton(res::kMemoDroppedCall, nullptr); });
  connect(m_addSurcharge, &QPushButton::clicked, this, &CCallScreenDlg::OnAddSurcharge);
  connect(m_changeSamples, &QPushButton::clicked, this, &CCallScreenDlg::OnChangeSamples);
  connect(m_callingInfo, &QPushButton::clicked, this, &CCallScreenDlg::OnCallingInfo);
  connect(m_calculator, &QPushButton::clicked, this, &CCallScreenDlg::OnCalculator);
  connect(m_bands, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = m_bands->selectedItems();
    OnBandRowChanged(selected.isEmpty() ? -1 : m_bands->row(selected.first()));
  });

  const std::pair<StepField*, DateField> dateFields[] = {{m_month, DateField::Month},
                                                          {m_day, DateField::Day},
                                                          {m_year, DateField::Year},
                                                          {m_time, DateField::Time}};
  // Init-captures: clang before 16 cannot capture a structured binding itself.
  for (auto [field, which] : dateFields) {
    field->onStep = [this, which = which](int steps) { OnDateStep(which, steps); };
    field->onTyped = [this, which = which](const QString& text) { TypedDate(which, text); };
  }
  const std::pair<StepField*, LengthField> lengthFields[] = {{m_hours, LengthField::Hours},
                                                              {m_minutes, LengthField::Minutes},
                                                              {m_seconds, LengthField::Seconds}};
  for (auto [field, which] : lengthFields) {
    field->onStep = [this, which = which](int steps) { OnLengthStep(which, steps); };
    field->onTyped = [this, which = which](const QString& text) { TypedLength(which, text); };
  }
}

void CCallScreenDlg::Load() {
  std::copy_n(m_context.myInfo.sampleMinutes, 3, m_sampleMinutes.begin());
  m_noAnswer = m_busy = false;
  FillFrom();
  data::CallLogRecord& call = m_context.currentCall;
  if (m_mode == CallScreenMode::Reopen) {
    m_start = call.start;
    m_length = LengthOf(call.duration);
    m_engine.SetCharge(call.cost);
    (call.outgoing ? m_outgoing : m_incoming)->setChecked(true);
    m_memoKey = call.start;
    std::string memo;
    m_hadMemo = m_context.pdb.OpenMemoFiles(call.memoFileNumber) &&
                m_context.pdb.ReadMemoByKey(m_memoKey, memo);
    m_context.pdb.CloseMemoFiles();
    m_memoUnread = !m_hadMemo;
    m_memo->setPlainText(platform::FromRecord(memo));
  } else {
    data::ClearCallRecord(call, true);
    // A new call starts on the minute; timing takes the exact second when it starts.
    m_start = TimeOfDate(DateOfTime(m_context.now()));
    m_length = {};
    m_outgoing->setChecked(true);
  }
  m_date = DateOfTime(m_start);
  ShowLength(m_length);
  ShowCharge();
  ShowSurchargeTotal();
  ShowDate();
  ShowFarEnd();
  FillTo();
  FillBandRows();

  const int band = m_engine.FindBandInForce(m_start);
  SelectBandRow(band);
  ShowRates();
  if (m_mode == CallScreenMode::Timing) {
    SetState(CallScreenState::Ready);
    m_main->setEnabled(band != kNoBand);
  } else {
    MakeFieldsEditable();
    SetState(CallScreenState::Stopped);
  }
  m_callingInfo->setEnabled(static_cast<bool>(m_context.callingInfo));
}

bool CCallScreenDlg::Open() {
  if (m_memoUnread) platform::Ask(this, res::kErrorMemoFileAccess);
  if (m_engine.State().selectedBand == kNoBand) platform::Ask(this, res::kCallCannotBePlaced);
  if (m_mode == CallScreenMode::Reopen) return true;
  const Advice advice = m_engine.LookAhead(m_start, m_context.myInfo.reminderMinutes);
  const QString text = platform::FromRecord(AdviceText(advice));
  if (advice.kind == AdviceKind::Lower &&
      platform::Ask(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
          QMessageBox::Yes) {
    setResult(QDialog::Accepted);
    return false;
  }
  if (advice.kind == AdviceKind::Higher)
    platform::Ask(this, text, QMessageBox::Ok, QMessageBox::Information);
  return true;
}

void CCallScreenDlg::FillFrom() {
  const data::MyInfo& info = m_context.myInfo;
  m_fromName->setText(platform::FromRecord(data::ReadField(info.name)));
  m_fromPlace->setText(platform::FromRecord(data::MyLocationText(info)));
  m_fromPhone->setText(platform::FromRecord(data::MyPhoneText(info)));
}

void CCallScreenDlg::FillTo() {
  m_toName->setText(platform::FromRecord(m_farEnd.name));
  m_toNumber->setText(platform::FromRecord(m_farEnd.number));
  m_toPlace->setText(platform::FromRecord(m_farEnd.place));
}

void CCallScreenDlg::FillBandRows() {
  m_fillingBands = true;
  m_bands->clear();
  for (const BandRow& row : m_farEnd.bands) {
    auto* item = new QListWidgetItem(platform::FromRecord(row.text), m_bands);
    item->setToolTip(item->text());  // the list may be too narrow for a long band title
    item->setData(Qt::UserRole, row.band);
  }
  m_fillingBands = false;
}

void CCallScreenDlg::SelectBandRow(int band) {
  m_fillingBands = true;
  m_bands->clearSelection();
  m_bands->setCurrentRow(-1);
  for (int row = 0; row < m_bands->count(); ++row) {
    if (m_bands->item(row)->data(Qt::UserRole).toInt() == band) {
      m_bands->setCurrentRow(row);
      break;
    }
  }
  m_fillingBands = false;
}

void CCallScreenDlg::ShowDate() {
  m_month->SetText(platform::FromRecord(data::MonthName(m_date.month)));
  m_year->SetText(QString::number(m_date.year));
  m_day->SetText(QString::number(m_date.day));
  m_time->SetText(platform::FromRecord(ClockText(m_date.hour, m_date.minute, Twelve())));
}

void CCallScreenDlg::ShowFarEnd() {
  const std::optional<CallDate> there = FarEndDate(m_farEnd, m_start);
  if (!there) {
    for (QLabel* label : {m_farMonth, m_farYear, m_farDay, m_farTime}) label->clear();
    return;
  }
  m_farMonth->setText(platform::FromRecord(data::MonthName(there->month)));
  m_farYear->setText(QString::number(there->year));
  m_farDay->setText(QString::number(there->day));
  m_farTime->setText(platform::FromRecord(ClockText(there->hour, there->minute, Twelve())));
}

void CCallScreenDlg::ShowLength(const CallLength& length) {
  m_hours->SetText(platform::FromRecord(TwoDigits(length.hours)));
  m_minutes->SetText(platform::FromRecord(TwoDigits(length.minutes)));
  m_seconds->SetText(platform::FromRecord(TwoDigits(length.seconds)));
}

void CCallScreenDlg::ShowRates() {
  const data::BandRates& current = m_engine.State().current;
  m_rateFirst->SetAmount(current.initial);
  m_rateAdditional->SetAmount(current.additional);
  const RateCaptions captions = m_engine.Captions();
  m_rateFirstCaption->setText(platform::FromRecord(captions.first));
  m_rateAdditionalCaption->setText(platform::FromRecord(captions.additional));
  const SampleCosts costs = m_engine.ComputeSampleCosts(m_sampleMinutes);
  for (int i = 0; i < 3; ++i) {
    m_sampleLabels[i]->setText(platform::FromRecord(costs[i].label));
    m_samples[i]->SetAmount(costs[i].cost);
  }
}

void CCallScreenDlg::ShowCharge() {
  m_charge->SetAmount(m_engine.State().charge);
  m_engine.TakeChanged();
}

void CCallScreenDlg::ShowSurchargeTotal() {
  m_surchargeTotal->SetAmount(
      SumSurcharges(LengthSeconds(), m_farEnd.entrySurcharge, m_context.currentCall.surcharges));
}

std::uint32_t CCallScreenDlg::LengthSeconds() const {
  return m_mode == CallScreenMode::Timing ? m_engine.State().elapsed : SecondsOf(m_length);
}

bool CCallScreenDlg::ShowsSampleWarning() const { return m_farEnd.sampleRates; }

void CCallScreenDlg::SetState(CallScreenState state) {
  m_state = state;
  switch (state) {
    case CallScreenState::Ready: m_main->setText(res::kButtonStartTiming); break;
    case CallScreenState::Timing: m_main->setText(res::kButtonStopTiming); break;
    case CallScreenState::Stopped: m_main->setText(res::kButtonSaveCall); break;
  }
}

void CCallScreenDlg::MakeFieldsEditable() {
  for (StepField* field : {m_month, m_year, m_day, m_time, m_hours, m_minutes, m_seconds})
    field->SetEditable(true);
}

void CCallScreenDlg::StopTiming() { m_clock.stop(); }

void CCallScreenDlg::OnMainButton() {
  if (m_mode == CallScreenMode::Reopen) {
    SaveReopenedCall();
    return;
  }
  switch (m_state) {
    case CallScreenState::Ready:
      if (m_engine.State().selectedBand == kNoBand) {
        platform::Ask(this, res::kWarnSelectRateband);
        return;
      }
      m_start = m_context.now();
      m_date = DateOfTime(m_start);
      ShowDate();
      ShowFarEnd();
      m_clock.start();
      m_engine.StartCharge();
      ShowCharge();
      SetState(CallScreenState::Timing);
      return;
    case CallScreenState::Timing:
      StopTiming();
      platform::Ask(this, res::kCompleteMemoAndSave, QMessageBox::Ok, QMessageBox::Information);
      SetState(CallScreenState::Stopped);
      return;
    case CallScreenState::Stopped: SaveNewCall(); return;
  }
}

void CCallScreenDlg::OnClockTick() {
  m_engine.ChargeTick();
  ShowLength(LengthOf(m_engine.State().elapsed));
  if (m_engine.State().changed) ShowCharge();
  ShowSurchargeTotal();
}

void CCallScreenDlg::OnStatusButton(const char* memoText, bool* flag) {
  m_memo->setPlainText(m_memo->toPlainText() + memoText);
  m_memo->moveCursor(QTextCursor::End);
  if (flag) *flag = true;
}

void CCallScreenDlg::OnAddSurcharge() {
  CCallSurchargesDlg dialog(m_context.myInfo.surcharges, m_context.currentCall.surcharges,
                            m_farEnd.entrySurcharge, this);
  if (platform::RunModal(dialog) != QDialog::Accepted) return;
  std::copy(dialog.Slots().begin(), dialog.Slots().end(), m_context.currentCall.surcharges);
  ShowSurchargeTotal();
}

void CCallScreenDlg::OnChangeSamples() {
  if (m_engine.State().selectedBand == kNoBand) {
    platform::Ask(this, res::kWarnSelectRateband);
    return;
  }
  CSampleTimeCalculationsDlg dialog(m_sampleMinutes, this);
  if (platform::RunModal(dialog) != QDialog::Accepted) return;
  m_sampleMinutes = dialog.Minutes();
  ShowRates();
}

void CCallScreenDlg::OnCallingInfo() {
  if (m_context.callingInfo) m_context.callingInfo(this);
}

void CCallScreenDlg::OnCalculator() {
  if (!platform::StartCalculator(m_context.startProgram))
    platform::Ask(this, res::kErrorNoCalculator);
}

void CCallScreenDlg::OnBandRowChanged(int row) {
  if (m_fillingBands) return;
  const int band = row < 0 ? kNoBand : m_bands->item(row)->data(Qt::UserRole).toInt();
  m_engine.SelectBand(band);
  ShowRates();
}

void CCallScreenDlg::OnDateStep(DateField field, int steps) {
  const bool byHour =
      field == DateField::Time &&
      m_time->CaretPosition() <= HourDigitsEnd(m_time->Text().toStdString());
  TakeDate(SpinDate(m_date, field, steps, byHour));
}

void CCallScreenDlg::TakeDate(const CallDate& date) {
  const bool bandMayChange = BandMayChange(m_date, date);
  m_date = date;
  m_start = TimeOfDate(date);
  ShowDate();
  ShowFarEnd();
  if (!bandMayChange) return;
  SelectBandRow(m_engine.FindBandInForce(m_start));
  ShowRates();
}

void CCallScreenDlg::TypedDate(DateField field, const QString& text) {
  const std::string typed = text.toStdString();
  std::optional<int> value;
  CallDate date = m_date;
  switch (field) {
    case DateField::Month: value = ParseMonth(typed); if (value) date.month = *value; break;
    case DateField::Day:
      value = ParseNumber(typed, 1, DaysInMonth(date.month, date.year));
      if (value) date.day = *value;
      break;
    case DateField::Year:
      value = ParseNumber(typed, kFirstYear, kLastYear);
      if (value) date.year = *value;
      break;
    case DateField::Time: {
      auto clock = ParseClock(typed);
      if (clock) {
        date.hour = clock->hour;
        date.minute = clock->minute;
        value = 0;
      }
      break;
    }
  }
  if (!value) {
    ShowDate();
    platform::Ask(this, field == DateField::Time ? res::kErrorCallClock : res::kErrorCallDate);
    return;
  }
  TakeDate(SpinDate(date, field, 0, false));
}

void CCallScreenDlg::OnLengthStep(LengthField field, int steps) {
  TakeLength(SpinLength(m_length, field, steps));
}

void CCallScreenDlg::TakeLength(const CallLength& length) {
  m_length = length;
  ShowLength(length);
  if (m_engine.State().selectedBand != kNoBand) {
    m_engine.SetCharge(m_engine.RateLength(SecondsOf(length)));
    ShowCharge();
  }
  ShowSurchargeTotal();
}

void CCallScreenDlg::TypedLength(LengthField field, const QString& text) {
  const auto value = ParseNumber(text.toStdString(), 0, field == LengthField::Hours ? 99 : 59);
  if (!value) {
    ShowLength(m_length);
    platform::Ask(this, res::kErrorCallLength);
    return;
  }
  CallLength length = m_length;
  (field == LengthField::Hours     ? length.hours
   : field == LengthField::Minutes ? length.minutes
                                   : length.seconds) = *value;
  TakeLength(length);
}

FinishQuestion CCallScreenDlg::Question() const {
  return QuestionOnFinishing(m_mode, m_outgoing->isChecked(), m_noAnswer, m_busy);
}

std::optional<Charging> CCallScreenDlg::AskCharging(FinishQuestion question) {
  if (question == FinishQuestion::None) return Charging{};
  const char* text = question == FinishQuestion::RateIncoming ? res::kAskRateIncoming
                                                              : res::kAskChargeBusyOrNoAnswer;
  const auto button =
      platform::Ask(this, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QMessageBox::Question);
  const Answer answer = button == QMessageBox::Yes  ? Answer::Yes
                        : button == QMessageBox::No ? Answer::No
                                                    : Answer::Cancel;
  return ChargingFor(question, answer);
}

void CCallScreenDlg::SaveNewCall() {
  StopTiming();
  SetState(CallScreenState::Stopped);
  const FinishQuestion question = Question();
  const std::optional<Answered> answered = std::exchange(m_answered, std::nullopt);
  const std::optional<Charging> charging = answered && answered->question == question
                                               ? answered->charging
                                               : AskCharging(question);
  if (!charging) return;
  FinishedCall call;
  call.duration = LengthSeconds();
  call.charge = m_engine.State().charge;
  call.outgoing = m_outgoing->isChecked();
  call.start = static_cast<std::uint32_t>(m_start);
  call.charging = *charging;
  // Filled apart from the current call, whose surcharge slots stay as the user chose them
  // in case this save fails and is tried again.
  data::CallLogRecord record = m_context.currentCall;
  FillNewCall(record, *m_entry, call);
  const SaveReport report =
      rating::SaveNewCall({m_context.pdb, m_context.callLog, m_context.memoCounter}, *m_entry,
                          m_place, record, platform::ToRecord(m_memo->toPlainText()));
  ShowProblems(report.problems);
  if (report.saved) {
    m_context.currentCall = record;
    done(QDialog::Accepted);
    return;
  }
  // The call is kept on the screen so that saving can be tried again.
  platform::Ask(this, res::kErrorSaveCall);
}

void CCallScreenDlg::SaveReopenedCall() {
  const FinishQuestion question =
      m_outgoing->isChecked() ? FinishQuestion::None : FinishQuestion::RateIncoming;
  const std::optional<Charging> charging = AskCharging(question);
  if (!charging) return;
  FinishedCall call;
  call.duration = SecondsOf(m_length);
  call.charge = m_engine.State().charge;
  call.outgoing = m_outgoing->isChecked();
  call.start = static_cast<std::uint32_t>(m_start);
  call.charging = *charging;
  data::CallLogRecord& record = m_context.currentCall;
  FillReopenedCall(record, call);
  const SaveReport report =
      rating::SaveReopenedCall({m_context.pdb, m_context.callLog, m_context.memoCounter},
                               m_logged, m_memoKey, m_hadMemo, record,
                               platform::ToRecord(m_memo->toPlainText()));
  // A save that fails leaves the memo where it was, so a second try starts from the same key.
  ShowProblems(report.problems);
  if (report.saved) done(QDialog::Accepted);
}

void CCallScreenDlg::ShowProblems(const std::vector<Problem>& problems) {
  for (const Problem& problem : problems) platform::Ask(this, MessageText(problem));
}

void CCallScreenDlg::reject() {
  CancelAsking(m_state == CallScreenState::Timing, res::kAskStopTimingAndSave,
               [this] { StopAtCancel(); });
}

void CCallScreenDlg::done(int result) {
  StopTiming();
  EntryDialog::done(result);
}

// Finishing starts here: the call's question is asked now, and its answer kept for Save Call.
void CCallScreenDlg::StopAtCancel() {
  StopTiming();
  SetState(CallScreenState::Stopped);
  const FinishQuestion question = Question();
  const std::optional<Charging> charging = AskCharging(question);
  if (!charging) return;
  m_answered = Answered{question, *charging};
  platform::Ask(this, res::kCompleteMemoAndSave, QMessageBox::Ok, QMessageBox::Information);
}

void CCallScreenDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!ShowsSampleWarning()) return;
  QPainter painter(this);
  const QPoint at = m_warningPlace->pos() - QPoint(0, 20);
  platform::PaintWarning(painter, QRect(at, QSize(width() - at.x(), 20)),
                         Qt::AlignLeft | Qt::AlignVCenter, res::kSampleRatesWarning);
}

int RunCallScreen(CCallScreenDlg& dialog) {
  if (!dialog.Open()) return QDialog::Accepted;
  return platform::RunModal(dialog);
}

int RunEntryCallScreen(const CallScreenContext& context, data::PdbRecord& entry,
                       EntryPlace place, CallScreenMode mode, QWidget* parent) {
  // A logged call is opened again from the call log, never from an entry.
  if (mode == CallScreenMode::Reopen) return QDialog::Rejected;
  CCallScreenDlg dialog(context, mode, entry, place, parent);
  return RunCallScreen(dialog);
}

}  // namespace dorv::rating
