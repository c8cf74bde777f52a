#include <gtest/gtest.h>

#include "support/Prompter.h"
#include "data/FixedText.h"
#include "platform/Messages.h"
#include "rating/dialogs/CSurchargeDlg.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

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
  QLineEdit* description;
  QLineEdit* cost;
  QComboBox* type;
  QLineEdit* period;
  QPushButton* ok;
  QPushButton* cancel;
};

Fields FieldsOf(CSurchargeDlg& dialog) {
  return {Child<QLineEdit>(dialog, "description"), Child<QLineEdit>(dialog, "cost"),
          Child<QComboBox>(dialog, "type"),        Child<QLineEdit>(dialog, "period"),
          Child<QPushButton>(dialog, "ok"),        Child<QPushButton>(dialog, "cancel")};
}
}  // namespace

TEST(SurchargeDlg, AddTypesAPerTimeSurchargeIntoTheFirstFreeSlot) {
  dorv::test::Prompter prompter;
  SurchargeList list = SampleList();
  list[2] = MakeSurcharge("Third", 1);
  list[1] = MakeSurcharge("", 0);  // a free slot between used ones is taken first
  CSurchargeDlg dialog(Mode::Add, -1, list);
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  EXPECT_EQ(f.type->currentText(), res::kSurchargePerCall);
  EXPECT_TRUE(f.period->isReadOnly());

  TypeInto(f.description, "Night labor");
  TypeInto(f.cost, "12.5");
  ChooseEntry(f.type, 1);
  EXPECT_EQ(f.type->currentText(), res::kSurchargePerTimeDuration);
  EXPECT_FALSE(f.period->isReadOnly());
  TypeInto(f.period, "15");
  Click(f.ok);

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(prompter.Shown().empty());
  const data::Surcharge& stored = dialog.Slots()[1];
  EXPECT_EQ(data::ReadField(stored.description), "Night labor");
  EXPECT_DOUBLE_EQ(stored.cost, 1250.0);
  EXPECT_EQ(stored.kind, 2);
  EXPECT_EQ(stored.minutes, 15);
  EXPECT_EQ(data::ReadField(dialog.Slots()[2].description), "Third");
}

TEST(SurchargeDlg, EditShowsTheStoredValuesAndAnUntouchedOkStoresThemAgain) {
  dorv::test::Prompter prompter;
  const SurchargeList list = SampleList();
  CSurchargeDlg card(Mode::Edit, 0, list);
  ShowForUser(card);
  Fields f = FieldsOf(card);
  EXPECT_EQ(f.description->text(), "Card");
  EXPECT_EQ(f.cost->text(), "0.50");
  EXPECT_EQ(f.type->currentIndex(), 0);
  Click(f.ok);
  EXPECT_EQ(card.result(), QDialog::Accepted);
  EXPECT_EQ(card.Slots()[0].cost, 50.0);
  EXPECT_EQ(card.Slots()[0].kind, 1);
  EXPECT_FALSE(card.Changed());

  CSurchargeDlg labor(Mode::Edit, 1, list);
  ShowForUser(labor);
  Fields g = FieldsOf(labor);
  EXPECT_EQ(g.cost->text(), "6.00");
  EXPECT_EQ(g.type->currentText(), res::kSurchargePerTimeDuration);
  EXPECT_EQ(g.period->text(), "5");
  // Turning it into a per-call surcharge stores period 0.
  ChooseEntry(g.type, 0);
  EXPECT_TRUE(g.period->isReadOnly());
  Click(g.ok);
  EXPECT_EQ(labor.Slots()[1].kind, 1);
  EXPECT_EQ(labor.Slots()[1].minutes, 0);
  EXPECT_EQ(labor.Slots()[1].cost, 600.0);
}

TEST(SurchargeDlg, AnUntouchedCostKeepsItsHundredthsOfACent) {
  dorv::test::Prompter prompter;
  SurchargeList list = SampleList();
  list[0].cost = 95.25;
  CSurchargeDlg dialog(Mode::Edit, 0, list);
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  EXPECT_EQ(f.cost->text(), "0.95");
  TypeInto(f.description, "Card renamed");
  Click(f.ok);
  EXPECT_EQ(dialog.Slots()[0].cost, 95.25);
  EXPECT_EQ(data::ReadField(dialog.Slots()[0].description), "Card renamed");
}

// Which fields are refused with which message is the field rules' table; here the dialog shows
// the refusal and stores nothing.
TEST(SurchargeDlg, ARefusedFieldShowsItsMessageAndStoresNothing) {
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  const SurchargeList list = SampleList();
  CSurchargeDlg dialog(Mode::Add, -1, list);
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  TypeInto(f.description, "Labor");
  TypeInto(f.cost, "6");
  ChooseEntry(f.type, 1);
  TypeInto(f.period, "61");
  Click(f.ok);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorSurchargePeriod));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(std::memcmp(dialog.Slots().data(), list.data(), sizeof list), 0);
}

TEST(SurchargeDlg, AddingToAFullListIsRefused) {
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  SurchargeList list{};
  for (int i = 0; i < kListSlots; ++i) list[i] = MakeSurcharge('S' + std::to_string(i), i);
  CSurchargeDlg dialog(Mode::Add, -1, list);
  ShowForUser(dialog);
  Fields f = FieldsOf(dialog);
  TypeInto(f.description, "One more");
  TypeInto(f.cost, "1");
  Click(f.ok);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorSaveSurcharge));
  EXPECT_EQ(std::memcmp(dialog.Slots().data(), list.data(), sizeof list), 0);
}

TEST(SurchargeDlg, CancelAsksOnlyAfterAChange) {
  const SurchargeList list = SampleList();
  {
    CSurchargeDlg dialog(Mode::Edit, 0, list);
    ExpectCancelAsksNothing(dialog);
  }
  for (const CloseAnswer& answer : kCloseAnswers) {
    SCOPED_TRACE(answer.name);
    dorv::test::Prompter prompter;
    prompter.Answer(answer.answer);
    CSurchargeDlg dialog(Mode::Edit, 0, list);
    ShowForUser(dialog);
    TypeInto(FieldsOf(dialog).cost, "0.75");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    ExpectEndedAfterQuestion(dialog, prompter, res::kAskSaveSurcharges, answer);
    EXPECT_EQ(dialog.Slots()[0].cost, answer.answer == QMessageBox::Yes ? 75.0 : 50.0);
  }
}

TEST(SurchargeDlg, EnterMovesToTheNextFieldAndOnlyOkSaves) {
  dorv::test::Prompter prompter;
  const SurchargeList list = SampleList();
  CSurchargeDlg dialog(Mode::Add, -1, list);
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
