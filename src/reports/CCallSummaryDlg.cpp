#include "reports/CCallSummaryDlg.h"

#include <QVBoxLayout>

#include "platform/Texts.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CsvExport.h"
#include "reports/ReportCsv.h"
#include "res/Strings.h"

namespace dorv::reports {

const char* SummaryCaption(BillingClass billingClass) {
  switch (billingClass) {
    case BillingClass::Local: return res::kSummaryCaptionLocal;
    case BillingClass::LongDistance: return res::kSummaryCaptionLongDistance;
    case BillingClass::International: return res::kSummaryCaptionInternational;
    case BillingClass::TollFreeAudioTex: break;
  }
  return res::kSummaryCaptionTollFree;
}

CCallSummaryDlg::CCallSummaryDlg(CMonthlyBillingDlg& bill, BillingClass billingClass,
                                 const CallReportOpeners& openers, QWidget* parent)
    : QDialog(parent), m_bill(bill), m_class(billingClass) {
  CallListHooks hooks;
  // Deleting a call moves the later records of its log up, so the bill is read again rather
  // than trusted to know where its other calls now lie.
  hooks.callsChanged = [this] {
    m_bill.ComputeBill();
    Load();
  };
  m_calls = new CallListPane(bill.Files(), openers, std::move(hooks), this);
  m_export = new QPushButton(res::kExportButton, this);
  m_close = new QPushButton(res::kButtonClose, this);
  m_calls->AddButton(m_export);
  m_calls->AddButton(m_close);
  connect(m_export, &QPushButton::clicked, this, [this] {
    std::vector<BillRow> rows;
    for (CallRow& call : m_calls->ShownRows()) rows.push_back({m_class, std::move(call)});
    ExportCsv(this, QString("bill-class-%1.csv").arg(static_cast<int>(m_class)),
              BillCsv({}, rows));
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_calls, 1);
  resize(1000, 620);
  m_close->setDefault(true);
  connect(m_close, &QPushButton::clicked, this, [this] { done(1); });
  setWindowTitle(SummaryCaption(billingClass));
  platform::SetCaption(*this);
  Load();
}

CCallSummaryDlg::~CCallSummaryDlg() = default;

void CCallSummaryDlg::Load() {
  CallRows calls;
  for (const BilledCall& billed : m_bill.CurrentBill().calls)
    if (billed.billingClass == m_class)
      calls.Add(std::make_unique<CallListItem>(billed.record, m_bill.Files().myInfo, billed.where));
  m_calls->ShowCalls(std::move(calls));
}

}  // namespace dorv::reports
