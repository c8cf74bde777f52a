#include <gtest/gtest.h>

#include "data/CallLogRecord.h"
#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "platform/ReportList.h"
#include "rating/dialogs/CCallSurchargesDlg.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;
using Names = std::vector<std::string>;

namespace {
// The user's list of three and a call carrying "Labor"; the dialog is shown.
class CallSurchargesDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data::ClearMyInfo(m_info);
    m_info.surcharges[0] = MakeSurcharge("Card A", 95);
    m_info.surcharges[1] = MakeSurcharge("Operator", 105);
    m_info.surcharges[2] = MakeSurcharge("Labor", 600, 2, 5);
    for (auto& slot : m_call.surcharges) data::ClearSurcharge(slot);
    m_call.surcharges[0] = MakeSurcharge("Labor", 600, 2, 5);
  }
  std::unique_ptr<CCallSurchargesDlg> Open(double entrySurcharge) {
    auto dialog = std::make_unique<CCallSurchargesDlg>(m_info.surcharges, m_call.surcharges,
                                                       entrySurcharge);
    ShowForUser(*dialog);
    available = Child<platform::ReportList>(*dialog, "available");
    carried = Child<platform::ReportList>(*dialog, "carried");
    add = Child<QPushButton>(*dialog, "addToCall");
    remove = Child<QPushButton>(*dialog, "removeFromCall");
    return dialog;
  }

  data::MyInfo m_info{};
  data::CallLogRecord m_call{};
  platform::ReportList *available = nullptr, *carried = nullptr;
  QPushButton *add = nullptr, *remove = nullptr;
};

Names CallDescriptions(const CallSurcharges& callSlots) {
  Names names;
  for (const auto& slot : callSlots)
    if (slot.description[0]) names.push_back(data::ReadField(slot.description));
  return names;
}
}  // namespace

// Which rows are carried is the partition rules'; here Add and Remove move the selected rows,
// Remove refusing only the entry row, and OK fills the call's slots in list order.
TEST_F(CallSurchargesDlgTest, AddAndRemoveMoveRowsAndOkFillsTheCallsSlotsInListOrder) {
  Prompter prompter{QMessageBox::Ok};
  auto dialog = Open(150.0);
  EXPECT_EQ(ColumnTexts(carried, 0), (QStringList{res::kSurchargeEntryRow, "Labor"}));
  EXPECT_EQ(CellText(carried, 0, 1), "$1.5000");
  ClickRow(carried, 1);
  ClickRow(available, 1);
  ClickRow(available, 0, Qt::ControlModifier);
  EXPECT_FALSE(carried->selectionModel()->hasSelection()) << "one side selected at a time";
  Click(add);
  EXPECT_EQ(available->model()->rowCount(), 0);
  ClickRow(carried, 0);
  ClickRow(carried, 1, Qt::ControlModifier);
  Click(remove);
  ExpectShown(prompter, {res::kErrorRemoveEntrySurcharge});
  EXPECT_EQ(ColumnTexts(available, 0), (QStringList{"Labor"}));
  Click(Child<QPushButton>(*dialog, "ok"));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(CallDescriptions(dialog->Slots()), (Names{"Card A", "Operator"}));
}

TEST_F(CallSurchargesDlgTest, ACallNeverCarriesMoreThanTenSurcharges) {
  Prompter prompter{QMessageBox::Ok};
  for (int i = 3; i < kListSlots; ++i)
    m_info.surcharges[i] = MakeSurcharge('S' + std::to_string(i), i);
  for (int i = 1; i < 8; ++i) m_call.surcharges[i] = m_info.surcharges[i + 2];  // 8 carried
  auto dialog = Open(25.0);
  // Three more would make eleven: refused whole, nothing moves (where the count stops is the
  // slot rules').
  for (int row = 0; row < 3; ++row) ClickRow(available, row, Qt::ControlModifier);
  Click(add);
  ExpectShown(prompter, {res::kErrorCallSurchargesFull});
  EXPECT_EQ(available->model()->rowCount(), 12);
}

TEST_F(CallSurchargesDlgTest, CancelAsksOnlyAfterAMoveAndYesStores) {
  CCallSurchargesDlg unchanged(m_info.surcharges, m_call.surcharges, 0.0);
  ExpectCancelAsksNothing(unchanged);
  Prompter prompter{QMessageBox::Yes};
  auto dialog = Open(0.0);
  ClickRow(available, 0);
  Click(add);
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  ExpectEndedAfterQuestion(*dialog, prompter, res::kAskSaveSurcharges, kCloseAnswers[0]);
  EXPECT_EQ(CallDescriptions(dialog->Slots()), (Names{"Labor", "Card A"}));
}
