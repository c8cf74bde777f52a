#include "app/HelpTopics.h"

#include <array>

namespace dorv::app {
namespace {

constexpr std::array kTopics{
    HelpTopic{"CMyInfoDlg", "setup"},
    HelpTopic{"CMyAdvancedDlg", "dialing"},
    HelpTopic{"CPdbListDlg", "books"},
    HelpTopic{"CPdbRecoveryDlg", "books"},
    HelpTopic{"CPdbEditDlg", "entry"},
    HelpTopic{"CLookupDataDlg", "lookup-data"},
    HelpTopic{"CChangePdbDlg", "change-data"},
    HelpTopic{"CChangeRateBandsDlg", "change-data"},
    HelpTopic{"CCallScreenDlg", "timing"},
    HelpTopic{"CSampleTimeCalculationsDlg", "timing"},
    HelpTopic{"CCallSurchargesDlg", "surcharges"},
    HelpTopic{"CSurchargeListDlg", "surcharges"},
    HelpTopic{"CSurchargeDlg", "surcharges"},
    HelpTopic{"CCallLogDlg", "call-log"},
    HelpTopic{"CContactLogDlg", "contact-log"},
    HelpTopic{"CMemoDlg", "memos"},
    HelpTopic{"CRecurringChargesDlg", "recurring"},
    HelpTopic{"CRecurringDlg", "recurring"},
    HelpTopic{"CMonthlyBillingDlg", "bill"},
    HelpTopic{"CCallSummaryDlg", "bill"},
    HelpTopic{"CCostTrendsDlg", "trends"},
    HelpTopic{"CPrintCallLogDlg", "printing"},
    HelpTopic{"CPrintContactLogDlg", "printing"},
    HelpTopic{"CPrintPdbDlg", "printing"},
    HelpTopic{"CMonthlyBillPrintDlg", "printing"},
    HelpTopic{"QPrintPreviewDialog", "printing"},
    HelpTopic{"QFileDialog", "export"},
    HelpTopic{"CSampleLookupDlg", "sample-lookup"},
    HelpTopic{"CTelcoAccessDlg", "telco-access"},
    HelpTopic{"CAlphaConvertDlg", "alpha-convert"},
};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

std::string_view HelpAnchorOf(std::string_view className) {
  if (const auto last = className.rfind("::"); last != std::string_view::npos)
    className.remove_prefix(last + 2);
  for (const HelpTopic& topic : kTopics)
    if (topic.windowClass == className) return topic.anchor;
  return {};
}

}  // namespace dorv::app
