#include <gtest/gtest.h>

#include <unistd.h>

#include <QCheckBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <filesystem>

#include "data/FixedText.h"
#include "data/RecurringFile.h"
#include "platform/Messages.h"
#include "print/CMonthlyBillPrintDlg.h"
#include "support/PdfText.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"
#include "reports/CCallSummaryDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CallLogTestFiles.h"
#include "res/Strings.h"

using namespace dorv;
using reports::BillingClass;
using reports::CMonthlyBillingDlg;

namespace {

constexpr std::uint32_t kDay = 86400;
constexpr std::uint32_t kDec15th1998 = test::kDec1st1998 + 14 * kDay;
constexpr std::time_t kNow = test::kDec1st1998 + 19 * kDay + 9 * 3600;  // 20 December, 09:00

// A user in New York whose cycle runs from the 15th, with two recurring charges for December
// 1998 and calls in December and January on both sides of the cycle.
struct BillingWorld {
  test::CallLogTestFiles files;

  BillingWorld() {
    data::WriteField(files.myInfo.name, "Pat Example");
    data::WriteField(files.myInfo.state, "New York");
    data::WriteField(files.myInfo.areaCode, "212");
    data::WriteField(files.myInfo.prefix, "555");
    data::WriteField(files.myInfo.suffix, "0175");
    files.myInfo.locationMark = 'A';
    files.myInfo.billingFromDay = 15;
    data::WriteField(files.myInfo.recurringDefaults[0].name, "Line");
    files.myInfo.recurringDefaults[0].amount = 1500;
    data::WriteField(files.myInfo.recurringDefaults[1].name, "Taxes");
    files.myInfo.recurringDefaults[1].amount = 350;
    int handle = data::CreateRecurringFile("December", "1998", files.myInfo, files.notices);
    EXPECT_GE(handle, 0);
    ::close(handle);
    data::CallLogRecord surcharged = Call("Local with surcharge", kDec15th1998 + 5 * kDay, 200);
    surcharged.surcharges[0] = test::MakeSurcharge("Card", 25.0);
    data::CallLogRecord local = Call("Local", kDec15th1998, 100);
    local.memoFileNumber = 1;
    EXPECT_TRUE(files.AddMemo(1, kDec15th1998, "Booked the table\r\nfor eight"));
    files.WriteMonth("December1998",
                     {Call("Before the cycle", kDec15th1998 - 1, 1000), local, surcharged,
                      Call("Toll free", kDec15th1998 + kDay, 0, "800")});
    files.WriteMonth("January1999",
                     {Call("Long distance", test::kJan1st1999 + 3 * kDay, 300, "415", "Ohio"),
                      Call("Abroad", test::kJan1st1999 + 9 * kDay, 900, "20", "", "44"),
                      Call("After the cycle", test::kJan1st1999 + 14 * kDay, 1000)});
  }

  static data::CallLogRecord Call(const char* name, std::uint32_t start, double cost,
                                  const char* areaCode = "212", const char* state = "New York",
                                  const char* countryCode = "") {
    data::CallLogRecord call = test::MakeCall({name, start, 600, cost});
    data::WriteField(call.areaCode, areaCode);
    data::WriteField(call.state, state);
    data::WriteField(call.countryCode, countryCode);
    if (*countryCode) data::WriteField(call.country, "United Kingdom");
    call.locationMark = 'A';
    return call;
  }
};

QString Figures(const CMonthlyBillingDlg& bill, BillingClass section) {
  const CMonthlyBillingDlg::ClassFields& fields = bill.Fields(section);
  return fields.count->text() + ' ' + fields.length->text() + ' ' + fields.cost->text();
}

class MonthlyBillingDialog : public ::testing::Test {
 protected:
  BillingWorld world;
};

}  // namespace

TEST_F(MonthlyBillingDialog, BillsTheCycleInFourSectionsAndFollowsTheFromDay) {
  test::Prompter prompter;
  CMonthlyBillingDlg bill(world.files.Files(), {12, 20, 1998}, {}, nullptr, kNow);
  EXPECT_EQ(bill.MonthSpin().Text() + ' ' + bill.DaySpin().Text() + ' ' + bill.YearSpin().Text(),
            "December 15 1998");
  EXPECT_EQ(bill.ThruText(), "January 14 1999");
  EXPECT_EQ(Figures(bill, BillingClass::Local), "2 00:20:00 $3.2500");
  EXPECT_EQ(Figures(bill, BillingClass::LongDistance), "1 00:10:00 $3.0000");
  EXPECT_EQ(Figures(bill, BillingClass::International), "1 00:10:00 $9.0000");
  EXPECT_EQ(Figures(bill, BillingClass::TollFreeAudioTex), "1 00:10:00 $0.0000");
  EXPECT_EQ(bill.RecurringField().text(), "$18.5000");
  EXPECT_EQ(bill.CallsField().text(), "$15.2500");
  EXPECT_EQ(bill.TotalField().text(), "$33.7500");
  EXPECT_EQ(bill.NameField().text(), "Pat Example");
  EXPECT_EQ(bill.PhoneField().text(), "212.555.0175");
  EXPECT_EQ(bill.ReportDateField().text(), "Sun Dec 20, 1998  09:00");
  EXPECT_TRUE(bill.PrintButton().isEnabled());

  // A day earlier the cycle takes in the last second of the 14th.
  bill.DaySpin().stepBy(-1);
  EXPECT_EQ(bill.ThruText(), "January 13 1999");
  EXPECT_EQ(Figures(bill, BillingClass::Local), "3 00:30:00 $13.2500");
  test::ExpectShown(prompter, {});
}

TEST_F(MonthlyBillingDialog, ADeleteInASectionsListLeavesTheCallOffTheBill) {
  test::Prompter prompter;
  CMonthlyBillingDlg bill(world.files.Files(), {12, 20, 1998}, {}, nullptr, kNow);
  QStringList listed;
  test::ModalScript script([&](QDialog& dialog) {
    auto& summary = dynamic_cast<reports::CCallSummaryDlg&>(dialog);
    EXPECT_TRUE(summary.windowTitle().contains(res::kSummaryCaptionLocal));
    reports::CallListPane& calls = summary.Calls();
    test::ClickRow(&calls.List(), 0);
    // While the log cannot be rewritten (its scratch file cannot be made) the call and its
    // memo stay; once it can, both go.
    std::filesystem::create_directory(world.files.db.Path("~PTEMP~.DAT"));
    prompter.Answer(QMessageBox::Yes);
    prompter.Answer(QMessageBox::Ok);
    test::Click(&calls.DeleteButton());
    std::string memo;
    EXPECT_TRUE(world.files.ReadMemo(1, kDec15th1998, memo));
    EXPECT_EQ(memo, "Booked the table\r\nfor eight");
    std::filesystem::remove(world.files.db.Path("~PTEMP~.DAT"));
    test::ClickRow(&calls.List(), 0);
    prompter.Answer(QMessageBox::Yes);
    test::Click(&calls.DeleteButton());
    listed = test::ColumnTexts(&calls.List(), reports::CallListItem::kName);
    test::Click(&summary.CloseButton());
  });
  test::Click(bill.Fields(BillingClass::Local).detail);
  EXPECT_EQ(script.Runs(), 1);

  EXPECT_EQ(listed, QStringList{"Local with surcharge"});
  EXPECT_EQ(Figures(bill, BillingClass::Local), "1 00:10:00 $2.2500");
  EXPECT_EQ(world.files.ReadMonth("December1998").size(), 3u);
  std::string memo;
  EXPECT_FALSE(world.files.ReadMemo(1, kDec15th1998, memo));
  test::ExpectShown(prompter,
                    {res::kCallLogAskDelete, res::kCallLogErrorDelete, res::kCallLogAskDelete});
}

TEST_F(MonthlyBillingDialog, PrintPrintsTheWholeBill) {
  test::Prompter prompter;
  QTemporaryDir dir;
  const QString pdf = dir.filePath("bill.pdf");
  qputenv("DORV_PRINT_PDF", pdf.toLocal8Bit());
  const auto unset = qScopeGuard([] { qunsetenv("DORV_PRINT_PDF"); });
  CMonthlyBillingDlg bill(world.files.Files(), {12, 20, 1998}, {}, nullptr, kNow);
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
    EXPECT_FALSE(printout.Box(print::kBoxLocal).isChecked());
    test::Click(&printout.OkButton());
  });
  test::Click(&bill.PrintButton());
  EXPECT_EQ(script.Runs(), 1);
  const std::string text = test::PdfText(pdf.toStdString());
  for (const char* shown : {"ESTIMATED MONTHLY SUMMARY BILLING REPORT", "Report Period:",
                            "Thu Jan 14, 1999", "$15.0000",
                            "Total Estimated Monthly Billing", "$33.7500",
                            "Long Distance Calls", "Long distance", "$3.0000",
                            "Total Surcharge And Cost", "***END OF PRINTOUT***"})
    EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
  test::ExpectShown(prompter, {});
}
