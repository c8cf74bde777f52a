#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "pdb/CAlphaConvertDlg.h"
#include "res/Strings.h"

using dorv::pdb::CAlphaConvertDlg;

// The letter table itself is checked with the dial texts; here the field follows the typing.
TEST(AlphaConvertDlg, DigitsFollowEveryKeystroke) {
  CAlphaConvertDlg dialog;
  dialog.show();
  QTest::keyClicks(dialog.AlphaField(), "1 (800) FLOWERS");
  EXPECT_EQ(dialog.AlphaField()->text(), "1 (800) FLOWERS");
  EXPECT_EQ(dialog.NumericField()->text(), "1 (800) 3569377");
  QTest::keyClick(dialog.AlphaField(), Qt::Key_Backspace);
  EXPECT_EQ(dialog.NumericField()->text(), "1 (800) 356937");
}

TEST(AlphaConvertDlg, PresetTextIsConvertedAtOpeningAndCloseEndsWithOne) {
  CAlphaConvertDlg dialog("GO-DORV");
  EXPECT_EQ(dialog.NumericField()->text(), "46-3678");
  EXPECT_TRUE(dialog.NumericField()->isReadOnly());
  dialog.show();
  QPushButton* close = nullptr;
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == dorv::res::kButtonClose) close = button;
  ASSERT_NE(close, nullptr);
  // Enter in the Alpha field does not close the dialog.
  QTest::keyClick(dialog.AlphaField(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  QTest::mouseClick(close, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 1);
}
