#include <gtest/gtest.h>

#include <cstring>

#include "support/Prompter.h"
#include "data/CallLogRecord.h"
#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "platform/Messages.h"
#include "platform/ReportList.h"
#include "rating/Surcharges.h"
#include "rating/dialogs/CCallSurchargesDlg.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;

namespace {
class CallSurchargesDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data::ClearMyInfo(m_info);
    m_info.surcharges[0] = MakeSurcharge("Card A", 95);
    m_info.surcharges[1] = MakeSurcharge("Operator", 105);
    m_info.surcharges[2] = MakeSurcharge("Labor", 600, 2, 5);
    ClearCall();
    m_call.surcharges[0] = MakeSurcharge("Labor", 600, 2, 5);
  }

  void ClearCall() {
    for (auto& slot : m_call.surcharges) data::ClearSurcharge(slot);
  }

  data::MyInfo m_info{};
  data::CallLogRecord m_call{};
};

struct PickerControls {
  platform::ReportList *available, *carried;
  QPushButton *add, *remove, *ok, *cancel;
};

PickerControls ControlsOf(CCallSurchargesDlg& dialog) {
  return {Child<platform::ReportList>(dialog, "available"),
          Child<platform::ReportList>(dialog, "carried"),
          Child<QPushButton>(dialog, "addToCall"),
          Child<QPushButton>(dialog, "removeFromCall"),
          Child<QPushButton>(dialog, "ok"),
          Child<QPushButton>(dialog, "cancel")};
}

QStringList Descriptions(QAbstractItemView* list) { return ColumnTexts(list, 0); }

std::vector<std::string> CallDescriptions(const CallSurcharges& callSlots) {
  std::vector<std::string> names;
  for (const auto& slot : callSlots)
    if (slot.description[0]) names.push_back(data::ReadField(slot.description));
  return names;
}
}  // namespace

TEST_F(CallSurchargesDlgTest, OpensWithTheEntryRowAndTheCallsSurcharges) {
  CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 150.0);
  ShowForUser(dialog);
  PickerControls c = ControlsOf(dialog);
  EXPECT_EQ(Descriptions(c.available), (QStringList{"Card A", "Operator"}));
  EXPECT_EQ(Descriptions(c.carried), (QStringList{res::kSurchargeEntryRow, "Labor"}));
  EXPECT_EQ(CellText(c.carried, 0, 1), "$1.5000");
  EXPECT_EQ(CellText(c.carried, 1, 1), QString("$6.0000") + res::kSurchargePerHourSuffix);
  EXPECT_FALSE(c.add->isEnabled());
  EXPECT_FALSE(c.remove->isEnabled());

  // Selecting on one side enables its button and clears the other side.
  ClickRow(c.carried, 1);
  EXPECT_TRUE(c.remove->isEnabled());
  EXPECT_FALSE(c.add->isEnabled());
  ClickRow(c.available, 0);
  EXPECT_TRUE(c.add->isEnabled());
  EXPECT_FALSE(c.remove->isEnabled());
  EXPECT_FALSE(c.carried->selectionModel()->hasSelection());
}

TEST_F(CallSurchargesDlgTest, AddingAndOkFillTheCallsSlotsInListOrder) {
  dorv::test::Prompter prompter;
  CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 150.0);
  ShowForUser(dialog);
  PickerControls c = ControlsOf(dialog);
  ClickRow(c.available, 1);
  ClickRow(c.available, 0, Qt::ControlModifier);
  Click(c.add);
  EXPECT_TRUE(c.available->model()->rowCount() == 0);
  EXPECT_EQ(Descriptions(c.carried),
            (QStringList{res::kSurchargeEntryRow, "Labor", "Card A", "Operator"}));
  EXPECT_FALSE(c.add->isEnabled());
  EXPECT_FALSE(c.remove->isEnabled());
  Click(c.ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_EQ(CallDescriptions(dialog.Slots()),
            (std::vector<std::string>{"Labor", "Card A", "Operator"}));
  EXPECT_EQ(dialog.Slots()[1].cost, 95.0);
  // The entry surcharge stays apart from the slots: the total counts it once.
  EXPECT_DOUBLE_EQ(SumSurcharges(0, 150.0, dialog.Slots()), 150.0 + 95.0 + 105.0);
}

TEST_F(CallSurchargesDlgTest, TheEntryRowCannotBeRemoved) {
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 150.0);
  ShowForUser(dialog);
  PickerControls c = ControlsOf(dialog);
  ClickRow(c.carried, 0);
  ClickRow(c.carried, 1, Qt::ControlModifier);
  Click(c.remove);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorRemoveEntrySurcharge));
  EXPECT_EQ(Descriptions(c.carried), (QStringList{res::kSurchargeEntryRow}));
  EXPECT_FALSE(c.carried->selectionModel()->hasSelection());
  EXPECT_EQ(Descriptions(c.available), (QStringList{"Card A", "Operator", "Labor"}));
  Click(c.ok);
  EXPECT_TRUE(CallDescriptions(dialog.Slots()).empty());
}

TEST_F(CallSurchargesDlgTest, WithoutAnEntrySurchargeRemoveMovesEveryRow) {
  dorv::test::Prompter prompter;
  m_call.surcharges[1] = MakeSurcharge("Card A", 95);
  CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 0.0);
  ShowForUser(dialog);
  PickerControls c = ControlsOf(dialog);
  EXPECT_EQ(Descriptions(c.carried), (QStringList{"Card A", "Labor"}));
  ClickRow(c.carried, 0);
  ClickRow(c.carried, 1, Qt::ControlModifier);
  Click(c.remove);
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_EQ(c.carried->model()->rowCount(), 0);
  EXPECT_EQ(Descriptions(c.available), (QStringList{"Operator", "Card A", "Labor"}));
  Click(c.ok);
  for (const auto& slot : dialog.Slots()) {
    EXPECT_EQ(slot.description[0], '\0');
    EXPECT_EQ(slot.cost, 0.0);
  }
}

TEST_F(CallSurchargesDlgTest, ACallNeverCarriesMoreThanTenSurcharges) {
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  for (int i = 3; i < kListSlots; ++i)
    m_info.surcharges[i] = MakeSurcharge('S' + std::to_string(i), i);
  for (int i = 1; i < 8; ++i) m_call.surcharges[i] = m_info.surcharges[i + 2];  // 8 carried
  CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 25.0);
  ShowForUser(dialog);
  PickerControls c = ControlsOf(dialog);
  ASSERT_EQ(c.carried->model()->rowCount(), 9);  // the entry row and eight
  ASSERT_EQ(c.available->model()->rowCount(), 12);

  // Three more would make eleven: refused whole, nothing moves.
  for (int row = 0; row < 3; ++row) ClickRow(c.available, row, Qt::ControlModifier);
  Click(c.add);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorCallSurchargesFull));
  EXPECT_EQ(c.available->model()->rowCount(), 12);
  EXPECT_EQ(c.carried->model()->rowCount(), 9);
  EXPECT_FALSE(dialog.Changed());

  // Two fit exactly.
  ClickRow(c.available, 0);
  ClickRow(c.available, 1, Qt::ControlModifier);
  Click(c.add);
  EXPECT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(c.carried->model()->rowCount(), 11);
  ClickRow(c.available, 0);
  Click(c.add);
  EXPECT_EQ(prompter.Shown().size(), 2u);
  EXPECT_EQ(c.carried->model()->rowCount(), 11);
  Click(c.ok);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(CallDescriptions(dialog.Slots()).size(), 10u);
}

TEST_F(CallSurchargesDlgTest, CancelAsksAfterAMove) {
  const CallSurcharges original = CopySlots<kCallSlots>(m_call.surcharges);
  {
    CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 0.0);
    ExpectCancelAsksNothing(dialog);
    EXPECT_EQ(std::memcmp(dialog.Slots().data(), original.data(), sizeof original), 0);
  }
  for (const CloseAnswer& answer : kCloseAnswers) {
    SCOPED_TRACE(answer.name);
    dorv::test::Prompter prompter;
    prompter.Answer(answer.answer);
    CCallSurchargesDlg dialog(m_info.surcharges, m_call.surcharges, 0.0);
    ShowForUser(dialog);
    PickerControls c = ControlsOf(dialog);
    ClickRow(c.available, 0);
    Click(c.add);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    ExpectEndedAfterQuestion(dialog, prompter, res::kAskSaveSurcharges, answer);
    if (answer.answer == QMessageBox::Yes) {
      EXPECT_EQ(CallDescriptions(dialog.Slots()), (std::vector<std::string>{"Labor", "Card A"}));
    } else {
      EXPECT_EQ(std::memcmp(dialog.Slots().data(), original.data(), sizeof original), 0);
    }
  }
}
