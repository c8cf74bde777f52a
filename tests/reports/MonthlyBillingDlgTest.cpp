#include <gtest/gtest.h>

#include <QCheckBox>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "print/CMonthlyBillPrintDlg.h"
#include "reports/CCallSummaryDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CallLogTestFiles.h"
#include "res/Strings.h"
#include "support/DialogDriver.h"
#include "support/PdfText.h"
#include "support/Prompter.h"

using namespace dorv;
using reports::BillingClass;
using reports::CMonthlyBillingDlg;

namespace {

constexpr std::time_t kNow = test::kDec1st1998 + 19 * 86400 + 9 * 3600;  // 20 December, 09:00

// The sections' figures, the recurring charges, the calls and the total, as shown.
QStringList Figures(const CMonthlyBillingDlg& bill) {
  QStringList shown;
  for (BillingClass section : {BillingClass::Local, BillingClass::LongDistance,
                               BillingClass::International, BillingClass::TollFreeAudioTex}) {
    const CMonthlyBillingDlg::ClassFields& fields = bill.Fields(section);
    shown << fields.count->text() + ' ' + fields.length->text() + ' ' + fields.cost->text();
  }
  return shown << bill.RecurringField().text() << bill.CallsField().text()
               << bill.TotalField().text();
}

// The reports' database (a call in each section of the cycle from 15 December and one outside
// each end of it); no message is expected unless a test scripts it.
class MonthlyBillingDialog : public ::testing::Test {
 protected:
  void SetUp() override { files.WriteReportFiles(); }

  test::CallLogTestFiles files;
  test::Prompter prompter;
};

}  // namespace

TEST_F(MonthlyBillingDialog, BillsTheCycleInFourSectionsAndFollowsTheFromDay) {
  CMonthlyBillingDlg bill(files.Files(), {12, 20, 1998}, {}, nullptr, kNow);
  EXPECT_EQ(bill.ThruText(), "January 14 1999");
  EXPECT_EQ(Figures(bill),
            (QStringList{"1 00:05:00 $1.9500", "1 00:10:00 $2.5000", "1 00:02:00 $12.3450",
                         "1 00:01:00 $0.0000", "$18.5000", "$16.7950", "$35.2950"}));

  // Ten days earlier the cycle takes in the call of 5 December and leaves those of January's
  // second week.
  bill.DaySpin().stepBy(-10);
  EXPECT_EQ(bill.ThruText(), "January 4 1999");
  EXPECT_EQ(Figures(bill),
            (QStringList{"1 00:05:00 $1.9500", "2 00:11:00 $3.0000", "1 00:02:00 $12.3450",
                         "0 00:00:00 $0.0000", "$18.5000", "$17.2950", "$35.7950"}));
}

TEST_F(MonthlyBillingDialog, ADeleteInASectionsListLeavesTheCallOffTheBill) {
  CMonthlyBillingDlg bill(files.Files(), {12, 20, 1998}, {}, nullptr, kNow);
  QStringList listed;
  test::ModalScript script([&](QDialog& dialog) {
    auto& summary = dynamic_cast<reports::CCallSummaryDlg&>(dialog);
    reports::CallListPane& calls = summary.Calls();
    listed = test::ColumnTexts(&calls.List(), reports::CallListItem::kName);
    test::ClickRow(&calls.List(), 0);
    test::Click(&calls.DeleteButton());
    test::Click(&summary.CloseButton());
  });
  prompter.Answer(QMessageBox::Ok);  // the call focused at opening has no memo to show
  prompter.Answer(QMessageBox::Yes);
  test::Click(bill.Fields(BillingClass::Local).detail);
  EXPECT_EQ(listed, QStringList{"Ann"});
  EXPECT_EQ(Figures(bill),
            (QStringList{"0 00:00:00 $0.0000", "1 00:10:00 $2.5000", "1 00:02:00 $12.3450",
                         "1 00:01:00 $0.0000", "$18.5000", "$14.8450", "$33.3450"}));
  EXPECT_EQ(files.db.ReadFile("LOG/December1998.LOG").size(), 2 * sizeof(data::CallLogRecord));
  test::ExpectShown(prompter, {res::kCallLogErrorMemoAccess, res::kCallLogAskDelete});
}

TEST_F(MonthlyBillingDialog, PrintPrintsTheWholeBill) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("bill.pdf");
  qputenv("DORV_PRINT_PDF", pdf.toLocal8Bit());
  const auto unset = qScopeGuard([] { qunsetenv("DORV_PRINT_PDF"); });
  CMonthlyBillingDlg bill(files.Files(), {12, 20, 1998}, {}, nullptr, kNow);
  test::ModalScript script([](QDialog& dialog) {
    auto& printout = dynamic_cast<print::CMonthlyBillPrintDlg&>(dialog);
    const QLineEdit* status = test::Child<QLineEdit>(dialog, "status");
    EXPECT_EQ(status->text(), "Printing Monthly Bill (from Tue Dec 15, 1998 to Thu Jan 14, 1999)");
    EXPECT_GT(status->width(), status->fontMetrics().horizontalAdvance(status->text()))
        << "the status shows all of itself";
    // A single section clears All; All again takes the whole bill.
    printout.Box(print::kBoxLocal).click();
    EXPECT_FALSE(printout.Box(print::kBoxAll).isChecked());
    printout.Box(print::kBoxAll).click();
    test::Click(&printout.OkButton());
  });
  test::Click(&bill.PrintButton());
  const std::string text = test::PdfText(pdf.toStdString());
  for (const char* shown : {"Thu Jan 14, 1999", "$15.0000", "$35.2950", "Long Distance Calls",
                            "Bob", "$2.5000", "***END OF PRINTOUT***"})
    EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
}
