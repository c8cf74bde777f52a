#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "platform/ReportList.h"
#include "rating/dialogs/CSurchargeListDlg.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"
#include "support/TempDatabase.h"

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
  std::string StoredSecond() {
    data::MyInfoFile file;
    data::MyInfo stored{};
    EXPECT_TRUE(file.Open() && file.Read(stored));
    return data::ReadField(stored.surcharges[1].description);
  }

  TempDatabase m_database;
  data::MyInfoFile m_file;
  data::MyInfo m_info{};
};

platform::ReportList* ListOf(QDialog& dialog) {
  return Child<platform::ReportList>(dialog, "list");
}

// Selects a row and presses "Delete".
void DeleteRow(QDialog& dialog, int row) {
  ClickRow(ListOf(dialog), row);
  Click(Child<QPushButton>(dialog, "delete"));
}
}  // namespace

TEST_F(SurchargeListDlgTest, DeletingTheFirstOfThreeMovesTheOthersUpAndCloseSavesIt) {
  Prompter prompter;
  m_info.surcharges[4] = MakeSurcharge("Night", 600, 2, 15);  // behind a free slot
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  auto* list = ListOf(dialog);
  EXPECT_EQ(ColumnTexts(list, 0), (QStringList{"Card A", "Labor", "Other", "Night"}));
  EXPECT_EQ(CellText(list, 1, 1), QString("$6.0000") + res::kSurchargePerHourSuffix);
  EXPECT_FALSE(Child<QPushButton>(dialog, "delete")->isEnabled());
  DeleteRow(dialog, 0);
  EXPECT_EQ(ColumnTexts(list, 0), (QStringList{"Labor", "Other", "Night"}));
  EXPECT_EQ(data::ReadField(m_info.surcharges[0].description), "Card A") << "saved at Close";
  Click(Child<QPushButton>(dialog, "close"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  const data::Surcharge* kept = m_info.surcharges;
  EXPECT_EQ(data::ReadField(kept[0].description), "Labor");
  EXPECT_EQ(kept[0].minutes, 5);
  EXPECT_EQ(data::ReadField(kept[3].description), "Night");
  for (int i = 4; i < kListSlots; ++i)
    EXPECT_TRUE(kept[i].description[0] == '\0' && kept[i].cost == 0.0 && kept[i].kind == 1)
        << i;
  EXPECT_EQ(StoredSecond(), "Other");
}

TEST_F(SurchargeListDlgTest, AddIsDisabledAtTwentyRows) {
  Prompter prompter;
  for (int i = 3; i < kListSlots - 1; ++i)
    m_info.surcharges[i] = MakeSurcharge('S' + std::to_string(i), i);
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  auto* add = Child<QPushButton>(dialog, "add");
  ModalScript user([](QDialog& nested) {
    TypeInto(Child<QLineEdit>(nested, "description"), "Twentieth");
    TypeInto(Child<QLineEdit>(nested, "cost"), "1.05");
    Click(Child<QPushButton>(nested, "ok"));
  });
  Click(add);
  EXPECT_EQ(user.Runs(), 1);
  EXPECT_EQ(CellText(ListOf(dialog), kListSlots - 1, 1), "$1.0500");
  EXPECT_FALSE(add->isEnabled());
  DeleteRow(dialog, 0);
  EXPECT_TRUE(add->isEnabled()) << "deleting a row makes room again";
}

TEST_F(SurchargeListDlgTest, EditByDoubleClickAndCancelledEditsChangeNothing) {
  Prompter prompter;
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  {
    ModalScript user([](QDialog& nested) { Click(Child<QPushButton>(nested, "cancel")); });
    ClickRow(ListOf(dialog), 2);
    Click(Child<QPushButton>(dialog, "edit"));
    EXPECT_EQ(user.Runs(), 1);
  }
  EXPECT_FALSE(dialog.Changed());
  ModalScript user([&](QDialog& nested) {
    EXPECT_EQ(Child<QLineEdit>(nested, "cost")->text(), "0.50");
    TypeInto(Child<QLineEdit>(nested, "description"), "Other charge");
    Click(Child<QPushButton>(nested, "ok"));
  });
  DoubleClickRow(ListOf(dialog), 2);
  EXPECT_EQ(user.Runs(), 1);
  EXPECT_TRUE(dialog.Changed());
  EXPECT_EQ(CellText(ListOf(dialog), 2, 0), "Other charge");
  EXPECT_EQ(dialog.Slots()[2].cost, 50.0);
}

TEST_F(SurchargeListDlgTest, TheCloseBoxAsksOnlyWhenTheListChangedAndYesSaves) {
  {
    Prompter prompter;
    CSurchargeListDlg dialog(m_info, m_file);
    ShowForUser(dialog);
    EXPECT_TRUE(dialog.close());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  Prompter prompter{QMessageBox::Yes};
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  DeleteRow(dialog, 1);
  EXPECT_TRUE(dialog.close());
  ExpectEndedAfterQuestion(dialog, prompter, res::kAskSavePersonalInformation, kCloseAnswers[0]);
  EXPECT_EQ(data::ReadField(m_info.surcharges[1].description), "Other");
  EXPECT_EQ(StoredSecond(), "Other");
}

TEST_F(SurchargeListDlgTest, AFailedSaveKeepsTheChangesInMemoryAndSaysSo) {
  data::MyInfoFile unwritable;  // never opened: every write fails
  data::MyInfo closed = m_info, boxed = m_info;
  CSurchargeListDlg byClose(closed, unwritable), byBox(boxed, unwritable);
  ShowForUser(byClose);
  DeleteRow(byClose, 0);
  {
    Prompter prompter{QMessageBox::Ok};
    Click(Child<QPushButton>(byClose, "close"));
    ExpectShown(prompter, {res::kErrorSaveMyInfoFile});
  }
  EXPECT_FALSE(byClose.isVisible());
  ShowForUser(byBox);
  DeleteRow(byBox, 0);
  Prompter prompter{QMessageBox::Yes, QMessageBox::Ok};
  EXPECT_FALSE(byBox.close()) << "stays open when the save failed";
  ExpectShown(prompter, {res::kAskSavePersonalInformation, res::kErrorSaveMyInfoFile});
  for (const data::MyInfo& info : {closed, boxed})
    EXPECT_EQ(data::ReadField(info.surcharges[0].description), "Labor");
  EXPECT_EQ(StoredSecond(), "Labor");
}
