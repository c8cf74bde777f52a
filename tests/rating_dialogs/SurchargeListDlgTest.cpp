#include <gtest/gtest.h>

#include <cstring>

#include "support/Prompter.h"
#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"
#include "platform/Messages.h"
#include "platform/ReportList.h"
#include "rating/dialogs/CSurchargeDlg.h"
#include "rating/dialogs/CSurchargeListDlg.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;

namespace {
class SurchargeListDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_file.Open());
    data::ClearMyInfo(m_info);
    m_info.surcharges[0] = MakeSurcharge("Card A", 95);
    m_info.surcharges[1] = MakeSurcharge("Labor", 600, 2, 5);
    m_info.surcharges[2] = MakeSurcharge("Other", 50);
    ASSERT_TRUE(m_file.Write(m_info));
  }

  data::MyInfo StoredInfo() {
    data::MyInfoFile file;
    data::MyInfo stored{};
    EXPECT_TRUE(file.Open());
    EXPECT_TRUE(file.Read(stored));
    return stored;
  }

  TempDatabase m_database;
  data::MyInfoFile m_file;
  data::MyInfo m_info{};
};

struct ListControls {
  platform::ReportList* list;
  QPushButton *add, *edit, *remove, *close;
};

ListControls ControlsOf(CSurchargeListDlg& dialog) {
  return {Child<platform::ReportList>(dialog, "list"), Child<QPushButton>(dialog, "add"),
          Child<QPushButton>(dialog, "edit"), Child<QPushButton>(dialog, "delete"),
          Child<QPushButton>(dialog, "close")};
}

// Selects a row and presses "Delete".
void DeleteRow(const ListControls& c, int row) {
  ClickRow(c.list, row);
  Click(c.remove);
}
}  // namespace

TEST_F(SurchargeListDlgTest, OpensWithOneRowPerSlotInUse) {
  m_info.surcharges[1] = MakeSurcharge("", 0);  // a free slot shows no row
  m_info.surcharges[5] = MakeSurcharge("Labor", 600, 2, 5);
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  ListControls c = ControlsOf(dialog);
  EXPECT_EQ(ColumnTexts(c.list, 0), (QStringList{"Card A", "Other", "Labor"}));
  EXPECT_EQ(ColumnTexts(c.list, 2), (QStringList{res::kSurchargePerCall, res::kSurchargePerCall,
                                                     res::kSurchargePerHour}));
  EXPECT_EQ(CellText(c.list, 2, 1), QString("$6.0000") + res::kSurchargePerHourSuffix);
  EXPECT_EQ(CellText(c.list, 2, 3), QString(res::kSurchargeIntervalMinutes).replace("%i", "5"));
  EXPECT_EQ(CellText(c.list, 0, 3), "");
  EXPECT_TRUE(c.add->isEnabled());
  EXPECT_FALSE(c.edit->isEnabled());
  EXPECT_FALSE(c.remove->isEnabled());
  ClickRow(c.list, 1);
  EXPECT_TRUE(c.edit->isEnabled());
  EXPECT_TRUE(c.remove->isEnabled());
}

TEST_F(SurchargeListDlgTest, DeletingTheFirstOfThreeMovesTheOthersUpAndCloseSavesIt) {
  dorv::test::Prompter prompter;
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  ListControls c = ControlsOf(dialog);
  DeleteRow(c, 0);
  EXPECT_EQ(ColumnTexts(c.list, 0), (QStringList{"Labor", "Other"}));
  EXPECT_FALSE(c.remove->isEnabled());
  // Nothing reaches the settings until Close.
  EXPECT_EQ(data::ReadField(m_info.surcharges[0].description), "Card A");
  Click(c.close);
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  for (const data::MyInfo& info : {m_info, StoredInfo()}) {
    EXPECT_EQ(data::ReadField(info.surcharges[0].description), "Labor");
    EXPECT_EQ(info.surcharges[0].minutes, 5);
    EXPECT_EQ(data::ReadField(info.surcharges[1].description), "Other");
    for (int i = 2; i < kListSlots; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(info.surcharges[i].description[0], '\0');
      EXPECT_EQ(info.surcharges[i].cost, 0.0);
      EXPECT_EQ(info.surcharges[i].kind, 1);
    }
  }
}

TEST_F(SurchargeListDlgTest, AddIsDisabledAtTwentyRows) {
  dorv::test::Prompter prompter;
  for (int i = 3; i < kListSlots - 1; ++i)
    m_info.surcharges[i] = MakeSurcharge('S' + std::to_string(i), i);
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  ListControls c = ControlsOf(dialog);
  ASSERT_EQ(c.list->model()->rowCount(), kListSlots - 1);
  ASSERT_TRUE(c.add->isEnabled());
  ModalScript user([](QDialog& nested) {
    auto& surcharge = dynamic_cast<CSurchargeDlg&>(nested);
    TypeInto(Child<QLineEdit>(surcharge, "description"), "Twentieth");
    TypeInto(Child<QLineEdit>(surcharge, "cost"), "1.05");
    Click(Child<QPushButton>(surcharge, "ok"));
  });
  Click(c.add);
  EXPECT_EQ(user.Runs(), 1);
  EXPECT_EQ(c.list->model()->rowCount(), kListSlots);
  EXPECT_EQ(CellText(c.list, kListSlots - 1, 0), "Twentieth");
  EXPECT_EQ(CellText(c.list, kListSlots - 1, 1), "$1.0500");
  EXPECT_FALSE(c.add->isEnabled());
  // Deleting a row makes room again.
  DeleteRow(c, 0);
  EXPECT_TRUE(c.add->isEnabled());
}

TEST_F(SurchargeListDlgTest, EditByDoubleClickAndCancelledEditsChangeNothing) {
  dorv::test::Prompter prompter;
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  ListControls c = ControlsOf(dialog);
  {
    ModalScript user([](QDialog& nested) { Click(Child<QPushButton>(nested, "cancel")); });
    ClickRow(c.list, 2);
    Click(c.edit);
    EXPECT_EQ(user.Runs(), 1);
  }
  EXPECT_FALSE(dialog.Changed());
  {
    QString shownCost;
    ModalScript user([&](QDialog& nested) {
      shownCost = Child<QLineEdit>(nested, "cost")->text();
      TypeInto(Child<QLineEdit>(nested, "description"), "Other charge");
      Click(Child<QPushButton>(nested, "ok"));
    });
    DoubleClickRow(c.list, 2);
    EXPECT_EQ(user.Runs(), 1);
    EXPECT_EQ(shownCost, "0.50");
  }
  EXPECT_TRUE(dialog.Changed());
  EXPECT_EQ(CellText(c.list, 2, 0), "Other charge");
  EXPECT_EQ(dialog.Slots()[2].cost, 50.0);
}

TEST_F(SurchargeListDlgTest, TheCloseBoxAsksWhenTheListChanged) {
  for (const CloseAnswer& answer : kCloseAnswers) {
    SCOPED_TRACE(answer.name);
    dorv::test::Prompter prompter;
    prompter.Answer(answer.answer);
    ASSERT_TRUE(m_file.Write(m_info));
    data::MyInfo info = m_info;
    CSurchargeListDlg dialog(info, m_file);
    ShowForUser(dialog);
    DeleteRow(ControlsOf(dialog), 1);
    EXPECT_EQ(dialog.close(), !answer.staysOpen);
    ExpectEndedAfterQuestion(dialog, prompter, res::kAskSavePersonalInformation, answer);
    const std::string second = answer.answer == QMessageBox::Yes ? "Other" : "Labor";
    EXPECT_EQ(data::ReadField(info.surcharges[1].description), second);
    EXPECT_EQ(data::ReadField(StoredInfo().surcharges[1].description), second);
  }
  // Unchanged, the close box closes without a question.
  dorv::test::Prompter prompter;
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  EXPECT_TRUE(dialog.close());
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SurchargeListDlgTest, AFailedSaveKeepsTheChangesInMemoryAndSaysSo) {
  data::MyInfoFile unwritable;  // never opened: every write fails
  {
    SCOPED_TRACE("Close");
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    data::MyInfo info = m_info;
    CSurchargeListDlg dialog(info, unwritable);
    ShowForUser(dialog);
    ListControls c = ControlsOf(dialog);
    DeleteRow(c, 0);
    Click(c.close);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorSaveMyInfoFile));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(data::ReadField(info.surcharges[0].description), "Labor");
  }
  {
    SCOPED_TRACE("close box, Yes");
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    prompter.Answer(QMessageBox::Yes);
    data::MyInfo info = m_info;
    CSurchargeListDlg dialog(info, unwritable);
    ShowForUser(dialog);
    ListControls c = ControlsOf(dialog);
    DeleteRow(c, 0);
    EXPECT_FALSE(dialog.close());  // stays open when the save failed
    ASSERT_EQ(prompter.Shown().size(), 2u);
    EXPECT_EQ(prompter.Shown()[1], platform::ShownText(res::kErrorSaveMyInfoFile));
    EXPECT_EQ(data::ReadField(info.surcharges[0].description), "Labor");
  }
  EXPECT_EQ(data::ReadField(StoredInfo().surcharges[0].description), "Card A");
}
