#include <gtest/gtest.h>
#include <unistd.h>

#include "data/FixedText.h"
#include "reports/CRecurringChargesDlg.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/FaultInjector.h"
#include "support/Prompter.h"
#include "support/RecordingNotices.h"
#include "support/TempDatabase.h"

using namespace dorv;
using namespace dorv::reports;
using namespace dorv::test;

namespace {

// Stored settings with the North American defaults (five charges, $33.00, days 15 to 14), and
// December 1998's recurring charge file made from them, open.
class RecurringChargesDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_file.Open());
    data::ClearMyInfo(m_info);
    data::ApplyNorthAmericanDefaults(m_info);
    ASSERT_TRUE(m_file.Write(m_info));
    RecordingNotices notices;
    m_month = {{}, data::CreateRecurringFile("December", "1998", m_info, notices), 12, 1998};
    ASSERT_TRUE(data::ReadRecurring(m_month.handle, m_month.contents));
  }
  void TearDown() override { ::close(m_month.handle); }

  // The settings and the month's file as stored.
  std::string StoredInfo() const { return m_database.ReadFile("MYINFO.BIN"); }
  std::string StoredMonth() const { return m_database.ReadFile("LOG/December1998.RCH"); }

  TempDatabase m_database;
  data::MyInfoFile m_file;
  data::MyInfo m_info{};
  MonthRecurring m_month;
};

QLineEdit* Field(QDialog& dialog, const char* name) { return Child<QLineEdit>(dialog, name); }
QPushButton* Button(QDialog& dialog, const char* name) { return Child<QPushButton>(dialog, name); }
QAbstractItemView* List(QDialog& dialog) { return Child<QAbstractItemView>(dialog, "list"); }

// Plays the user in the Recurring dialog: types the name and cost given (null leaves a field)
// and presses OK.
std::function<void(QDialog&)> TypeCharge(const char* name, const char* cost) {
  return [name, cost](QDialog& entry) {
    if (name) TypeInto(Field(entry, "name"), name);
    if (cost) TypeInto(Field(entry, "cost"), cost);
    Click(Button(entry, "ok"));
  };
}

}  // namespace

// A save that fails leaves the month file as it was and the dialog open; the same save then
// goes through.
TEST_F(RecurringChargesDlgTest, MonthChargesAreEditedAndTheMonthFileReplacedWhole) {
  const std::string before = StoredMonth();
  CRecurringChargesDlg dialog(m_month);
  ShowForUser(dialog);
  TypeInto(Field(dialog, "fromDay"), "1");
  ClickRow(List(dialog), 0);
  Click(Button(dialog, "delete"));
  Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  ModalScript user([](QDialog& entry) {
    TypeCharge("Second line", "ten")(entry);  // refused with a message; the entry stays open
    TypeCharge(nullptr, "12.5")(entry);
  });
  Click(Button(dialog, "add"));
  EXPECT_EQ(Field(dialog, "sum")->text(), "30.5000");
  {
    FaultInjector fault(FailingCall::Write, 1, Failure::HalfThenSticky);
    Click(Button(dialog, "close"));
  }
  ExpectShown(prompter, {res::kErrorRecurringCost, res::kErrorSaveRecurringCharges});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(StoredMonth() == before) << "the month file changed";
  EXPECT_EQ(m_month.contents.charges[0].amount, 1500.0);

  Click(Button(dialog, "close"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // The billing dialog's copy is what the file and the handle it holds now read.
  data::RecurringFile throughHandle{};
  ASSERT_TRUE(data::ReadRecurring(m_month.handle, throughHandle));
  EXPECT_TRUE(StoredMonth() == RecordBytes(m_month.contents));
  EXPECT_TRUE(RecordBytes(throughHandle) == RecordBytes(m_month.contents));
  const data::RecurringFile& month = m_month.contents;
  EXPECT_EQ(std::tuple(month.billingFromDay, month.billingThruDay, month.charges[0].amount,
                       data::ReadField(month.charges[4].name), month.charges[4].amount),
            std::tuple(1, 0, 350.0, "Second line", 1250.0));
  EXPECT_TRUE(StoredInfo() == RecordBytes(m_info)) << "the defaults are not touched";
}

TEST_F(RecurringChargesDlgTest, DefaultsAreEditedAndSavedInTheSettings) {
  Prompter prompter{QMessageBox::Ok};
  const std::string before = StoredInfo();
  m_info.recurringDefaults[1].amount = 350.25;  // more exact than the cost field shows
  CRecurringChargesDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  QString shownCost;
  ModalScript user([&](QDialog& entry) {
    shownCost = Field(entry, "cost")->text();
    TypeCharge("Line access", nullptr)(entry);
  });
  DoubleClickRow(List(dialog), 1);
  EXPECT_EQ(shownCost, "3.50");
  ClickRow(List(dialog), 0);
  Click(Button(dialog, "delete"));

  TypeInto(Field(dialog, "fromDay"), "0");
  Click(Button(dialog, "close"));
  ExpectShown(prompter, {res::kWarningInvalidDateRange});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(StoredInfo() == before) << "nothing stored";

  TypeInto(Field(dialog, "fromDay"), "20");
  Click(Button(dialog, "close"));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(StoredInfo() == RecordBytes(m_info));
  EXPECT_EQ(std::tuple(m_info.billingFromDay, m_info.billingThruDay,
                       data::ReadField(m_info.recurringDefaults[0].name),
                       m_info.recurringDefaults[0].amount, m_info.recurringDefaults[4].name[0]),
            std::tuple(20, 19, "Line access", 350.25, '\0'));
}
