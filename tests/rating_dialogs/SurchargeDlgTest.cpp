#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "rating/dialogs/CSurchargeDlg.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;
using Mode = CSurchargeDlg::Mode;

namespace {
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

TEST(SurchargeDlg, AddTypesAPerTimeSurchargeIntoTheFirstFreeSlot) {
  Prompter prompter;
  SurchargeList list = SampleList();
  list[2] = MakeSurcharge("Third", 1);
  list[1] = MakeSurcharge("", 0);  // a free slot between used ones is taken first
  CSurchargeDlg dialog(Mode::Add, -1, list);
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  EXPECT_TRUE(f.period->isReadOnly());
  TypeInto(f.description, "Night labor");
  TypeInto(f.cost, "12.5");
  ChooseEntry(f.type, 1);
  EXPECT_FALSE(f.period->isReadOnly());
  TypeInto(f.period, "15");
  Click(f.ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const data::Surcharge& stored = dialog.Slots()[1];
  EXPECT_EQ(data::ReadField(stored.description), "Night labor");
  EXPECT_DOUBLE_EQ(stored.cost, 1250.0);
  EXPECT_EQ(std::pair(stored.kind, stored.minutes), std::pair(2, 15));
  EXPECT_EQ(data::ReadField(dialog.Slots()[2].description), "Third");
}

TEST(SurchargeDlg, EditShowsTheStoredValuesAndKeepsWhatWasNotTouched) {
  Prompter prompter;
  SurchargeList list = SampleList();
  list[0].cost = 95.25;
  CSurchargeDlg card(Mode::Edit, 0, list);
  ShowForUser(card);
  Fields f = FieldsOf(card);
  EXPECT_EQ(f.description->text(), "Card");
  EXPECT_EQ(f.cost->text(), "0.95");
  TypeInto(f.description, "Card renamed");
  Click(f.ok);
  EXPECT_EQ(card.Slots()[0].cost, 95.25) << "an untouched cost keeps its hundredths of a cent";
  EXPECT_EQ(data::ReadField(card.Slots()[0].description), "Card renamed");

  CSurchargeDlg labor(Mode::Edit, 1, list);
  ShowForUser(labor);
  Fields g = FieldsOf(labor);
  EXPECT_EQ(g.type->currentText(), res::kSurchargePerTimeDuration);
  EXPECT_EQ(g.period->text(), "5");
  ChooseEntry(g.type, 0);  // a per-call surcharge stores period 0
  Click(g.ok);
  EXPECT_EQ(std::pair(labor.Slots()[1].kind, labor.Slots()[1].minutes), std::pair(1, 0));
  EXPECT_EQ(labor.Slots()[1].cost, 600.0);
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

TEST(SurchargeDlg, CancelAsksOnlyAfterAChangeAndYesStores) {
  const SurchargeList list = SampleList();
  {
    CSurchargeDlg dialog(Mode::Edit, 0, list);
    ExpectCancelAsksNothing(dialog);
  }
  Prompter prompter{QMessageBox::Yes};
  CSurchargeDlg dialog(Mode::Edit, 0, list);
  ShowForUser(dialog);
  TypeInto(FieldsOf(dialog).cost, "0.75");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  ExpectEndedAfterQuestion(dialog, prompter, res::kAskSaveSurcharges, kCloseAnswers[0]);
  EXPECT_EQ(dialog.Slots()[0].cost, 75.0);
}

TEST(SurchargeDlg, EnterMovesToTheNextFieldAndOnlyOkSaves) {
  Prompter prompter;
  CSurchargeDlg dialog(Mode::Add, -1, SampleList());
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  TypeInto(f.description, "Keyboard");
  QTest::keyClick(f.description, Qt::Key_Return);
  EXPECT_EQ(dialog.focusWidget(), f.cost);
  QTest::keyClicks(f.cost, "2");
  QTest::keyClick(f.cost, Qt::Key_Return);
  EXPECT_EQ(dialog.focusWidget(), f.type);
  // The period of a per-call surcharge is no tab stop: Enter goes on to OK.
  QTest::keyClick(f.type, Qt::Key_Return);
  EXPECT_EQ(dialog.focusWidget(), f.ok);
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(f.ok, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(data::ReadField(dialog.Slots()[2].description), "Keyboard");
  EXPECT_EQ(dialog.Slots()[2].cost, 200.0);
}
