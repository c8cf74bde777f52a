#include <gtest/gtest.h>
#include <unistd.h>

#include "data/FixedText.h"
#include "reports/CRecurringChargesDlg.h"
#include "res/Strings.h"
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

  data::MyInfo StoredInfo() {
    data::MyInfoFile file;
    data::MyInfo stored{};
    EXPECT_TRUE(file.Open() && file.Read(stored));
    return stored;
  }
  data::RecurringFile StoredMonth() {
    data::RecurringFile stored{};
    const int fd = data::OpenRecurringFileNumber(12, 1998);
    EXPECT_TRUE(data::ReadRecurring(fd, stored));
    ::close(fd);
    return stored;
  }

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
  const std::string before = m_database.ReadFile("LOG/December1998.RCH");
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
  EXPECT_TRUE(m_database.ReadFile("LOG/December1998.RCH") == before) << "the month file changed";
  EXPECT_EQ(m_month.contents.charges[0].amount, 1500.0);

  Click(Button(dialog, "close"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // The billing dialog's copy, the file, and the file through the handle it holds show the save.
  data::RecurringFile throughHandle{};
  ASSERT_TRUE(data::ReadRecurring(m_month.handle, throughHandle));
  for (const data::RecurringFile& month : {m_month.contents, StoredMonth(), throughHandle}) {
    EXPECT_EQ(month.billingFromDay, 1);
    EXPECT_EQ(month.billingThruDay, 0);
    EXPECT_EQ(month.charges[0].amount, 350.0);
    EXPECT_EQ(data::ReadField(month.charges[4].name), "Second line");
    EXPECT_EQ(month.charges[4].amount, 1250.0);
  }
  EXPECT_EQ(StoredInfo().billingFromDay, 15);  // the defaults are not touched
}

TEST_F(RecurringChargesDlgTest, DefaultsAreEditedAndSavedInTheSettings) {
  Prompter prompter{QMessageBox::Ok};
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
  EXPECT_EQ(StoredInfo().billingFromDay, 15);  // nothing stored

  TypeInto(Field(dialog, "fromDay"), "20");
  Click(Button(dialog, "close"));
  EXPECT_FALSE(dialog.isVisible());
  for (const data::MyInfo& info : {m_info, StoredInfo()}) {
    EXPECT_EQ(info.billingFromDay, 20);
    EXPECT_EQ(info.billingThruDay, 19);
    EXPECT_EQ(data::ReadField(info.recurringDefaults[0].name), "Line access");
    EXPECT_EQ(info.recurringDefaults[0].amount, 350.25);
    EXPECT_EQ(info.recurringDefaults[4].name[0], '\0');
  }
}
