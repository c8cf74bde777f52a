#include <gtest/gtest.h>

#include "platform/EntryDialog.h"
#include "support/DialogDriver.h"

using namespace dorv;

namespace {

// An entry dialog whose Cancel (Escape here) asks the shared question; Yes saves by accepting.
struct AskingDialog final : platform::EntryDialog {
  explicit AskingDialog(bool changed) : EntryDialog(nullptr), changed(changed) {}
  void reject() override {
    CancelAsking(changed, "Save the changes?", [this] { ++saves, accept(); });
  }
  bool changed;
  int saves = 0;
};

}  // namespace

// The close question every entry dialog shares; dialog tests check only that theirs asks it.
TEST(EntryDialog, CancelAsksOnlyAfterAChangeAndTheAnswerDecides) {
  for (const test::CloseAnswer& answer : test::kCloseAnswers) {
    SCOPED_TRACE(answer.name);
    test::Prompter prompter{answer.answer};
    AskingDialog dialog(true);
    test::ShowForUser(dialog);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    test::ExpectEndedAfterQuestion(dialog, prompter, "Save the changes?", answer);
    EXPECT_EQ(dialog.saves, answer.answer == QMessageBox::Yes ? 1 : 0);
  }
  AskingDialog unchanged(false);  // no prompter: any question fails the test
  test::ShowForUser(unchanged);
  QTest::keyClick(&unchanged, Qt::Key_Escape);
  EXPECT_FALSE(unchanged.isVisible());
  EXPECT_EQ(unchanged.result(), QDialog::Rejected);
}

// Enter moves from a field to the next control, and presses a focused push button even when
// that button is no automatic default.
TEST(EntryDialog, EnterMovesOnFromAFieldAndPressesAFocusedButton) {
  AskingDialog dialog(false);
  auto* field = new QLineEdit(&dialog);
  auto* button = new QPushButton("City", &dialog);
  button->setAutoDefault(false);
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
  test::ShowForUser(dialog);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(dialog.focusWidget(), button);
  EXPECT_EQ(clicks, 0);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
}
