#include "reports/CMonthlyBillingDlg.h"

#include <unistd.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "print/CMonthlyBillPrintDlg.h"
#include "reports/BillPrintInput.h"
#include "reports/CCallSummaryDlg.h"
#include "reports/CsvExport.h"
#include "reports/RecurringRules.h"
#include "reports/ReportCsv.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

constexpr const char* kClassLabels[kBillingClassCount] = {
    res::kBillingLabelLocal, res::kBillingLabelLongDistance, res::kBillingLabelInternational,
    res::kBillingLabelTollFree};

QLineEdit* NewField(QWidget* parent, int minimumChars = 0) {
  auto* field = new QLineEdit(parent);
  platform::MarkReadOnly(*field);
  if (minimumChars > 0)
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(minimumChars, '0')));
  return field;
}

QString MonthText(int month) { return platform::FromRecord(data::MonthName(month)); }

}  // namespace

CMonthlyBillingDlg::CMonthlyBillingDlg(const CallReportFiles& files, const BillDate& today,
                                       CallReportOpeners openers, QWidget* parent, std::time_t now)
    : QDialog(parent), m_files(files), m_openers(std::move(openers)) {
  BuildControls();
  setWindowTitle(res::kBillingCaption);
  platform::SetCaption(*this);
  m_initialising = true;
  m_recurring.month = today.month;
  m_recurring.year = today.year;
  m_recurring.contents.billingFromDay = 1;
  m_recurring.contents.billingThruDay = 1;
  OpenRecurring();
  m_from = FromDateAtOpening(today, m_recurring.contents.billingFromDay);
  m_thru = ThruDate(m_from);
  ComputeBill();
  const data::MyInfo& me = m_files.myInfo;
  m_name->setText(platform::FromRecord(data::ReadField(me.name)));
  m_phone->setText(platform::FromRecord(data::MyPhoneText(me)));
  m_address->setText(platform::FromRecord(data::ReadField(me.address)));
  m_location->setText(platform::FromRecord(data::MyLocationText(me)));
  m_reportDate->setText(platform::FromRecord(data::DateTimeText(now, me.clock12 == 1)));
  m_initialising = false;
  ShowDates();
}

CMonthlyBillingDlg::~CMonthlyBillingDlg() {
  if (m_recurring.handle >= 0) ::close(m_recurring.handle);
}

void CMonthlyBillingDlg::BuildControls() {
  m_fromMonth = new DateSpin(this);
  m_fromDay = new DateSpin(this);
  m_fromYear = new DateSpin(this);
  // Room for the widest text of each part beside the arrows.
  const int arrows = 2 * fontMetrics().height();
  m_fromMonth->setMinimumWidth(fontMetrics().horizontalAdvance("September") + arrows);
  m_fromDay->setMinimumWidth(fontMetrics().horizontalAdvance("00") + arrows);
  m_fromYear->setMinimumWidth(fontMetrics().horizontalAdvance("0000") + arrows);
  m_fromMonth->onStep = [this](int steps) { OnMonthSpin(steps); };
  m_fromDay->onStep = [this](int steps) { OnDaySpin(steps); };
  m_fromYear->onStep = [this](int steps) { OnYearSpin(steps); };
  m_thruMonth = NewField(this);
  m_thruDay = NewField(this, 3);
  m_thruYear = NewField(this, 5);
  m_reportDate = NewField(this, 24);
  m_phone = NewField(this);
  m_name = NewField(this);
  m_address = NewField(this);
  m_location = NewField(this);
  m_recurringField = NewField(this, 12);
  m_recurringDetail = new QPushButton(res::kBillingButtonDetail, this);
  for (ClassFields& fields : m_classFields)
    fields = {NewField(this, 6), NewField(this, 9), NewField(this, 12),
              new QPushButton(res::kBillingButtonDetail, this)};
  m_callsField = NewField(this, 12);
  m_totalField = NewField(this, 12);
  m_print = new QPushButton(res::kCallLogButtonPrint, this);
  m_export = new QPushButton(res::kExportButton, this);
  m_close = new QPushButton(res::kButtonClose, this);
  auto label = [this](const char* text) { return new QLabel(text, this); };
  const auto labelFor = [](const char* text, QWidget* field) {
    return platform::LabelFor(text, field);
  };

  auto* period = new QGroupBox(res::kBillingHeadingPeriod, this);
  auto* dates = new QGridLayout(period);
  dates->addWidget(labelFor(res::kBillingLabelFrom, m_fromMonth), 0, 0);
  dates->addWidget(m_fromMonth, 0, 1);
  dates->addWidget(m_fromDay, 0, 2);
  dates->addWidget(m_fromYear, 0, 3);
  dates->addWidget(labelFor(res::kBillingLabelThru, m_thruMonth), 1, 0);
  dates->addWidget(m_thruMonth, 1, 1);
  dates->addWidget(m_thruDay, 1, 2);
  dates->addWidget(m_thruYear, 1, 3);
  dates->addWidget(labelFor(res::kBillingLabelReportDate, m_reportDate), 2, 0);
  dates->addWidget(m_reportDate, 2, 1, 1, 3);

  auto* user = new QGridLayout;
  user->addWidget(labelFor(res::kLabelName, m_name), 0, 0);
  user->addWidget(m_name, 0, 1);
  user->addWidget(labelFor(res::kBillingLabelTelephone, m_phone), 1, 0);
  user->addWidget(m_phone, 1, 1);
  user->addWidget(labelFor(res::kLabelAddress, m_address), 2, 0);
  user->addWidget(m_address, 2, 1);
  user->addWidget(m_location, 3, 1);
  m_location->setAccessibleName(res::kNameAddressLine2);
  using PartName = std::tuple<QWidget*, const char*, const char*>;
  for (const auto& [field, text, part] :
       {PartName{m_fromDay, res::kBillingLabelFrom, res::kNameDay},
        PartName{m_fromYear, res::kBillingLabelFrom, res::kNameYear},
        PartName{m_thruDay, res::kBillingLabelThru, res::kNameDay},
        PartName{m_thruYear, res::kBillingLabelThru, res::kNameYear}})
    field->setAccessibleName(QString(text) + " " + part);
  auto* top = new QHBoxLayout;
  top->addLayout(user, 3);
  top->addWidget(period, 2);

  auto* recurring = new QGroupBox(res::kBillingHeadingRecurring, this);
  auto* recurringRow = new QHBoxLayout(recurring);
  recurringRow->addWidget(labelFor(res::kBillingLabelRecurring, m_recurringField));
  recurringRow->addStretch();
  recurringRow->addWidget(m_recurringField);
  recurringRow->addWidget(m_recurringDetail);
  m_recurringDetail->setAccessibleName(QString(res::kBillingLabelRecurring) + " " +
                                       m_recurringDetail->text());

  auto* calls = new QGroupBox(res::kBillingHeadingNonRecurring, this);
  auto* grid = new QGridLayout(calls);
  for (int i = 0; i < kBillingClassCount; ++i) {
    const ClassFields& fields = m_classFields[i];
    grid->addWidget(labelFor(kClassLabels[i], fields.count), i, 0);
    fields.length->setAccessibleName(QString(kClassLabels[i]) + " " + res::kBillingLabelLength);
    fields.cost->setAccessibleName(QString(kClassLabels[i]) + " " + res::kBillingLabelCost);
    fields.detail->setAccessibleName(QString(kClassLabels[i]) + " " + fields.detail->text());
    grid->addWidget(fields.count, i, 1);
    grid->addWidget(label(res::kBillingLabelLength), i, 2);
    grid->addWidget(fields.length, i, 3);
    grid->addWidget(label(res::kBillingLabelCost), i, 4);
    grid->addWidget(fields.cost, i, 5);
    grid->addWidget(fields.detail, i, 6);
  }
  grid->addWidget(labelFor(res::kBillingLabelNonRecurring, m_callsField), kBillingClassCount, 0, 1,
                  5, Qt::AlignRight);
  grid->addWidget(m_callsField, kBillingClassCount, 5);

  auto* totalRow = new QHBoxLayout;
  totalRow->addStretch();
  totalRow->addWidget(labelFor(res::kBillingLabelTotal, m_totalField));
  totalRow->addWidget(m_totalField);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_print);
  buttons->addWidget(m_export);
  buttons->addWidget(m_close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(recurring);
  layout->addWidget(calls);
  layout->addLayout(totalRow);
  layout->addStretch();
  layout->addLayout(buttons);

  // Print waits for a bill to print.
  m_print->setEnabled(false);
  m_close->setDefault(true);
  connect(m_recurringDetail, &QPushButton::clicked, this, &CMonthlyBillingDlg::OnRecurringDetail);
  for (int i = 0; i < kBillingClassCount; ++i)
    connect(m_classFields[i].detail, &QPushButton::clicked, this,
            [this, i] { OnClassDetail(static_cast<BillingClass>(i + 1)); });
  connect(m_print, &QPushButton::clicked, this, &CMonthlyBillingDlg::OnPrint);
  connect(m_close, &QPushButton::clicked, this, [this] { done(1); });
  connect(m_export, &QPushButton::clicked, this, &CMonthlyBillingDlg::OnExport);
}

void CMonthlyBillingDlg::OpenRecurring() {
  m_recurring.handle = data::OpenRecurringFileNumber(m_recurring.month, m_recurring.year);
  if (m_recurring.handle < 0) {
    platform::Ask(this, res::kErrorRecurringFileAccess);
    return;
  }
  data::RecurringFile read{};
  if (!data::ReadRecurring(m_recurring.handle, read)) {
    platform::Ask(this, res::kErrorRecurringFileAccess);
    return;
  }
  m_recurring.contents = read;
}

void CMonthlyBillingDlg::ComputeBill() {
  RecurringList charges;
  std::copy(std::begin(m_recurring.contents.charges), std::end(m_recurring.contents.charges),
            charges.begin());
  m_bill = reports::ComputeBill(m_files.callLog, m_files.myInfo, m_from, m_thru, SumOf(charges));
  ShowFigures();
  m_print->setEnabled(true);
  for (int i = 0; i < m_bill.logsCutShort; ++i) platform::Ask(this, res::kCallLogErrorAccess);
}

void CMonthlyBillingDlg::ShowFigures() {
  const BillTexts texts = TextsOf(m_bill.totals);
  m_recurringField->setText(platform::FromRecord(texts.recurring));
  for (int i = 0; i < kBillingClassCount; ++i) {
    m_classFields[i].count->setText(platform::FromRecord(texts.classes[i].count));
    m_classFields[i].length->setText(platform::FromRecord(texts.classes[i].length));
    m_classFields[i].cost->setText(platform::FromRecord(texts.classes[i].cost));
  }
  m_callsField->setText(platform::FromRecord(texts.calls));
  m_totalField->setText(platform::FromRecord(texts.total));
}

void CMonthlyBillingDlg::ShowDates() {
  m_fromMonth->SetText(MonthText(m_from.month));
  m_fromDay->SetText(QString::number(m_from.day));
  m_fromYear->SetText(QString::number(m_from.year));
  m_thruMonth->setText(MonthText(m_thru.month));
  m_thruDay->setText(QString::number(m_thru.day));
  m_thruYear->setText(QString::number(m_thru.year));
}

QString CMonthlyBillingDlg::ThruText() const {
  return m_thruMonth->text() + ' ' + m_thruDay->text() + ' ' + m_thruYear->text();
}

void CMonthlyBillingDlg::FromChanged(const BillDate& from) {
  m_from = from;
  m_thru = ThruDate(m_from);
  ShowDates();
  if (!m_initialising) ComputeBill();
}

void CMonthlyBillingDlg::OnMonthSpin(int steps) { FromChanged(StepFromMonth(m_from, steps)); }
void CMonthlyBillingDlg::OnDaySpin(int steps) { FromChanged(StepFromDay(m_from, steps)); }
void CMonthlyBillingDlg::OnYearSpin(int steps) { FromChanged(StepFromYear(m_from, steps)); }

void CMonthlyBillingDlg::OnRecurringDetail() {
  RunRecurringCharges(this, m_recurring);
  ComputeBill();
}

void CMonthlyBillingDlg::OnClassDetail(BillingClass billingClass) {
  {
    CCallSummaryDlg summary(*this, billingClass, m_openers, this);
    platform::RunModal(summary);
  }
  // Edit may have moved a call out of the cycle or into another section.
  ComputeBill();
}

void CMonthlyBillingDlg::OnPrint() {
  print::CMonthlyBillPrintDlg printout(BillPrintoutOf(*this, std::time(nullptr)), this);
  print::RunPrintDialog(printout);
}

void CMonthlyBillingDlg::OnExport() {
  const std::vector<data::RecurringCharge> charges(std::begin(m_recurring.contents.charges),
                                                   std::end(m_recurring.contents.charges));
  ExportCsv(this,
            QString("bill-%1-%2.csv")
                .arg(QString::fromStdString(MonthKey({m_from.month, m_from.year})))
                .arg(m_from.day, 2, 10, QChar('0')),
            BillCsv(charges, BillRowsOf(m_bill, m_files.myInfo)));
}

}  // namespace dorv::reports
