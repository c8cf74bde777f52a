#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "platform/ReportList.h"
#include "rating/dialogs/CSurchargeDlg.h"
#include "rating/dialogs/CSurchargeListDlg.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"
#include "support/TempDatabase.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;
using Mode = CSurchargeDlg::Mode;

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
  std::string StoredBytes() const { return m_database.ReadFile("MYINFO.BIN"); }

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

SurchargeList SampleList() {
  SurchargeList list{};
  for (auto& slot : list) data::ClearSurcharge(slot);
  list[0] = MakeSurcharge("Card", 50);
  list[1] = MakeSurcharge("Labor", 600, 2, 5);
  return list;
}

struct Fields {
  QLineEdit *description, *cost;
  QComboBox* type;
  QLineEdit* period;
  QPushButton* ok;
};

Fields FieldsOf(CSurchargeDlg& dialog) {
  return {Child<QLineEdit>(dialog, "description"), Child<QLineEdit>(dialog, "cost"),
          Child<QComboBox>(dialog, "type"), Child<QLineEdit>(dialog, "period"),
          Child<QPushButton>(dialog, "ok")};
}
}  // namespace

TEST_F(SurchargeListDlgTest, DeletingTheFirstOfThreeMovesTheOthersUpAndCloseSavesIt) {
  m_info.surcharges[4] = MakeSurcharge("Night", 600, 2, 15);  // behind a free slot
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  DeleteRow(dialog, 0);
  EXPECT_EQ(data::ReadField(m_info.surcharges[0].description), "Card A") << "saved at Close";
  Click(Child<QPushButton>(dialog, "close"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  SurchargeList kept{};
  for (auto& slot : kept) data::ClearSurcharge(slot);
  kept[0] = MakeSurcharge("Labor", 600, 2, 5);
  kept[1] = MakeSurcharge("Other", 50);
  kept[3] = MakeSurcharge("Night", 600, 2, 15);
  EXPECT_EQ(RecordBytes(m_info.surcharges), RecordBytes(kept));
  EXPECT_EQ(StoredBytes(), RecordBytes(m_info));
}

// A cancelled edit changes nothing; a double click edits; Add is disabled at twenty rows.
TEST_F(SurchargeListDlgTest, EditAndAddGoThroughTheSurchargeDialogUpToTwentyRows) {
  for (int i = 3; i < kListSlots - 1; ++i)
    m_info.surcharges[i] = MakeSurcharge('S' + std::to_string(i), i);
  CSurchargeListDlg dialog(m_info, m_file);
  ShowForUser(dialog);
  auto* add = Child<QPushButton>(dialog, "add");
  int opened = 0;
  ModalScript user([&](QDialog& nested) {
    if (++opened == 1) return Click(Child<QPushButton>(nested, "cancel"));
    const bool edit = opened == 2;
    TypeInto(Child<QLineEdit>(nested, "description"), edit ? "Other charge" : "Twentieth");
    if (!edit) TypeInto(Child<QLineEdit>(nested, "cost"), "1.05");
    Click(Child<QPushButton>(nested, "ok"));
  });
  ClickRow(ListOf(dialog), 2);
  Click(Child<QPushButton>(dialog, "edit"));
  EXPECT_FALSE(dialog.Changed());
  DoubleClickRow(ListOf(dialog), 2);
  EXPECT_EQ(CellText(ListOf(dialog), 2, 0), "Other charge");
  EXPECT_EQ(dialog.Slots()[2].cost, 50.0);
  Click(add);
  EXPECT_EQ(CellText(ListOf(dialog), kListSlots - 1, 1), "$1.0500");
  EXPECT_FALSE(add->isEnabled());
}

// The close box asks only when the list changed; Yes saves as Close does (here the save fails).
TEST_F(SurchargeListDlgTest, TheCloseBoxAsksAfterAChangeAndAFailedSaveKeepsTheChangesAndSaysSo) {
  const std::string before = StoredBytes();
  CSurchargeListDlg unchanged(m_info, m_file);
  ShowForUser(unchanged);
  EXPECT_TRUE(unchanged.close()) << "no question";
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
  EXPECT_EQ(StoredBytes(), before);
}

// The surcharge added takes the first free slot.
TEST(SurchargeDlg, AddTypesAPerTimeSurchargeIntoTheFirstFreeSlot) {
  SurchargeList list = SampleList();
  list[2] = MakeSurcharge("Third", 1);
  list[1] = MakeSurcharge("", 0);  // a free slot between used ones is taken first
  CSurchargeDlg dialog(Mode::Add, -1, list);
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  TypeInto(f.description, "Night labor");
  TypeInto(f.cost, "12.5");
  ChooseEntry(f.type, 1);
  TypeInto(f.period, "15");
  Click(f.ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const data::Surcharge& stored = dialog.Slots()[1];
  EXPECT_EQ(data::ReadField(stored.description), "Night labor");
  EXPECT_DOUBLE_EQ(stored.cost, 1250.0);
  EXPECT_EQ(std::pair(stored.kind, stored.minutes), std::pair(2, 15));
  EXPECT_EQ(data::ReadField(dialog.Slots()[2].description), "Third");
}

// Edit keeps what was not touched; Cancel asks only after a change, and Yes stores the shown
// values with the change.
TEST(SurchargeDlg, EditKeepsWhatWasNotTouchedAndCancelAsksOnlyAfterAChange) {
  SurchargeList list = SampleList();
  list[0].cost = 95.25;
  CSurchargeDlg card(Mode::Edit, 0, list);
  ShowForUser(card);
  TypeInto(FieldsOf(card).description, "Card renamed");
  Click(FieldsOf(card).ok);
  EXPECT_EQ(card.Slots()[0].cost, 95.25) << "an untouched cost keeps its hundredths of a cent";
  EXPECT_EQ(data::ReadField(card.Slots()[0].description), "Card renamed");

  CSurchargeDlg unchanged(Mode::Edit, 1, list);
  ExpectCancelAsksNothing(unchanged);
  Prompter prompter{QMessageBox::Yes};
  CSurchargeDlg labor(Mode::Edit, 1, list);
  ShowForUser(labor);
  TypeInto(FieldsOf(labor).cost, "0.75");
  QTest::keyClick(&labor, Qt::Key_Escape);
  ExpectEndedAfterQuestion(labor, prompter, res::kAskSaveSurcharges, kCloseAnswers[0]);
  const data::Surcharge& stored = labor.Slots()[1];
  EXPECT_EQ(std::tuple(stored.cost, stored.kind, stored.minutes), std::tuple(75.0, 2, 5));
}

// Which fields are refused with which message is the field rules' table; here the dialog shows
// the refusal and stores nothing, also when the list is full.
TEST(SurchargeDlg, ARefusedSurchargeShowsItsMessageAndStoresNothing) {
  SurchargeList full{};
  for (int i = 0; i < kListSlots; ++i) full[i] = MakeSurcharge('S' + std::to_string(i), i);
  for (const auto& [list, period, message] :
       {std::tuple(SampleList(), "61", res::kErrorSurchargePeriod),
        std::tuple(full, "5", res::kErrorSaveSurcharge)}) {
    Prompter prompter{QMessageBox::Ok};
    CSurchargeDlg dialog(Mode::Add, -1, list);
    ShowForUser(dialog);
    Fields f = FieldsOf(dialog);
    TypeInto(f.description, "Labor");
    TypeInto(f.cost, "6");
    ChooseEntry(f.type, 1);
    TypeInto(f.period, period);
    Click(f.ok);
    ExpectShown(prompter, {message});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(std::memcmp(dialog.Slots().data(), list.data(), sizeof list), 0);
  }
}
