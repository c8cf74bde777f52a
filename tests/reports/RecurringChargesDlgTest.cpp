#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>

#include "data/FaultInjector.h"
#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/RecordingNotices.h"
#include "data/RecurringFile.h"
#include "data/TempDatabase.h"
#include "platform/Messages.h"
#include "platform/ReportList.h"
#include "rating_dialogs/DialogDriver.h"
#include "reports/CRecurringChargesDlg.h"
#include "reports/CRecurringDlg.h"
#include "res/Strings.h"

using namespace dorv;
using namespace dorv::reports;
using namespace dorv::test;

namespace {

constexpr const char* kDecember = "LOG/December1998.RCH";

// Settings with the North American defaults (five charges, $33.00, days 15 to 14), stored, and
// December 1998's recurring charge file made from them and open.
class RecurringChargesDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_file.Open());
    data::ClearMyInfo(m_info);
    data::ApplyNorthAmericanDefaults(m_info);
    ASSERT_TRUE(m_file.Write(m_info));
    RecordingNotices notices;
    m_month.handle = data::CreateRecurringFile("December", "1998", m_info, notices);
    ASSERT_GE(m_month.handle, 0);
    ASSERT_TRUE(data::ReadRecurring(m_month.handle, m_month.contents));
    m_month.month = 12;
    m_month.year = 1998;
  }
  void TearDown() override { ::close(m_month.handle); }

  data::MyInfo StoredInfo() {
    data::MyInfoFile file;
    data::MyInfo stored{};
    EXPECT_TRUE(file.Open());
    EXPECT_TRUE(file.Read(stored));
    return stored;
  }
  data::RecurringFile StoredMonth() {
    const std::string bytes = m_database.ReadFile(kDecember);
    data::RecurringFile stored{};
    EXPECT_EQ(bytes.size(), sizeof stored);
    std::memcpy(&stored, bytes.data(), std::min(bytes.size(), sizeof stored));
    return stored;
  }

  TempDatabase m_database;
  data::MyInfoFile m_file;
  data::MyInfo m_info{};
  MonthRecurring m_month;
};

struct Controls {
  QLineEdit *fromDay, *thruDay, *sum;
  platform::ReportList* list;
  QPushButton *add, *edit, *remove, *close;
};

Controls ControlsOf(CRecurringChargesDlg& dialog) {
  return {Child<QLineEdit>(dialog, "fromDay"),       Child<QLineEdit>(dialog, "thruDay"),
          Child<QLineEdit>(dialog, "sum"),           Child<platform::ReportList>(dialog, "list"),
          Child<QPushButton>(dialog, "add"),         Child<QPushButton>(dialog, "edit"),
          Child<QPushButton>(dialog, "delete"),      Child<QPushButton>(dialog, "close")};
}

// Plays the user in the Recurring dialog: types the name and cost given (null keeps a field)
// and presses OK.
auto TypeCharge(const char* name, const char* cost) {
  return [name, cost](QDialog& nested) {
    auto& entry = dynamic_cast<CRecurringDlg&>(nested);
    if (name) TypeInto(Child<QLineEdit>(entry, "name"), name);
    if (cost) TypeInto(Child<QLineEdit>(entry, "cost"), cost);
    Click(Child<QPushButton>(entry, "ok"));
  };
}

}  // namespace

TEST_F(RecurringChargesDlgTest, MonthChargesAreEditedAndTheMonthFileReplacedWhole) {
  platform::ScriptedPrompter prompter;
  CRecurringChargesDlg dialog(m_month);
  ShowForUser(dialog);
  Controls c = ControlsOf(dialog);
  EXPECT_EQ(c.fromDay->text(), "15");
  EXPECT_EQ(c.thruDay->text(), "14");
  EXPECT_EQ(c.sum->text(), "33.0000");
  EXPECT_EQ(c.list->model()->rowCount(), 5);
  EXPECT_FALSE(c.edit->isEnabled());

  TypeInto(c.fromDay, "1");
  EXPECT_EQ(c.thruDay->text(), res::kRecurringThruEnd);
  ModalScript user(TypeCharge("Second line", "12.5"));
  Click(c.add);
  EXPECT_EQ(CellText(c.list, 5, 1), "$12.5000");
  EXPECT_EQ(c.sum->text(), "45.5000");
  Click(c.close);
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  // The billing dialog's copy, the file and the handle it holds all show the save.
  data::RecurringFile throughHandle{};
  ASSERT_TRUE(data::ReadRecurring(m_month.handle, throughHandle));
  for (const data::RecurringFile& month : {m_month.contents, StoredMonth(), throughHandle}) {
    EXPECT_EQ(month.billingFromDay, 1);
    EXPECT_EQ(month.billingThruDay, 0);
    EXPECT_EQ(data::ReadField(month.charges[5].name), "Second line");
    EXPECT_EQ(month.charges[5].amount, 1250.0);
  }
  EXPECT_EQ(m_info.billingFromDay, 15);  // the defaults are not touched
}

TEST_F(RecurringChargesDlgTest, AFailedMonthSaveLeavesTheMonthFileAsItWas) {
  platform::ScriptedPrompter prompter;
  const std::string before = m_database.ReadFile(kDecember);
  CRecurringChargesDlg dialog(m_month);
  ShowForUser(dialog);
  Controls c = ControlsOf(dialog);
  ClickRow(c.list, 0);
  Click(c.remove);
  {
    FaultInjector fault(FailingCall::Write, 1, Failure::HalfThenSticky);
    Click(c.close);
    EXPECT_TRUE(fault.Fired());
  }
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorSaveRecurringCharges);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(m_database.ReadFile(kDecember) == before) << "the month file changed";
  EXPECT_EQ(data::ReadField(m_month.contents.charges[0].name), "Residential Flat Rate Service");

  Click(c.close);  // the disk recovered: the same save goes through
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(data::ReadField(StoredMonth().charges[0].name), "Network Access for Interstata Calling");
}

TEST_F(RecurringChargesDlgTest, DefaultsAreEditedAndSavedInTheSettings) {
  platform::ScriptedPrompter prompter;
  CRecurringChargesDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  Controls c = ControlsOf(dialog);
  QString shownCost;
  ModalScript user([&](QDialog& nested) {
    shownCost = Child<QLineEdit>(nested, "cost")->text();
    TypeCharge(nullptr, "12.5")(nested);
  });
  DoubleClickRow(c.list, 1);
  EXPECT_EQ(shownCost, "3.50");
  ClickRow(c.list, 0);
  Click(c.remove);
  EXPECT_EQ(ColumnTexts(c.list, 1), (QStringList{"$12.5000", "$0.5000", "$4.0000", "$10.0000"}));

  TypeInto(c.fromDay, "0");
  Click(c.close);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kWarningInvalidDateRange);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(StoredInfo().recurringDefaults[1].amount, 350.0);  // nothing stored

  TypeInto(c.fromDay, "20");
  EXPECT_EQ(c.thruDay->text(), "19");
  Click(c.close);
  EXPECT_FALSE(dialog.isVisible());
  for (const data::MyInfo& info : {m_info, StoredInfo()}) {
    EXPECT_EQ(info.billingFromDay, 20);
    EXPECT_EQ(info.billingThruDay, 19);
    EXPECT_EQ(data::ReadField(info.recurringDefaults[0].name), "Network Access for Interstata Calling");
    EXPECT_EQ(info.recurringDefaults[0].amount, 1250.0);
    EXPECT_EQ(info.recurringDefaults[4].name[0], '\0');
  }
}

TEST_F(RecurringChargesDlgTest, TwentyChargesLeaveNoRoomForAnother) {
  platform::ScriptedPrompter prompter;
  for (int i = 5; i < kRecurringSlots; ++i)
    data::WriteField(m_info.recurringDefaults[i].name, "Charge " + std::to_string(i));
  CRecurringChargesDlg list(m_info, m_file);
  EXPECT_FALSE(ControlsOf(list).add->isEnabled());

  CRecurringDlg add(CRecurringDlg::kAdd, -1, list.Entries());
  ShowForUser(add);
  TypeCharge("Twenty-first", "1")(add);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorSaveRecurringData);
  EXPECT_TRUE(add.isVisible());
  EXPECT_EQ(std::memcmp(add.Entries().data(), list.Entries().data(), sizeof(RecurringList)), 0);
}
