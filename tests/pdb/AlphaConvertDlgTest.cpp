#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "pdb/CAlphaConvertDlg.h"
#include "res/Strings.h"

using dorv::pdb::CAlphaConvertDlg;

// The letter table itself is checked with the dial texts; here the field follows the typing
// from the preset text on, and Enter in the Alpha field does not close the dialog.
TEST(AlphaConvertDlg, DigitsFollowEveryKeystrokeAndCloseEndsWithOne) {
  CAlphaConvertDlg dialog("GO-DORV");
  EXPECT_EQ(dialog.NumericField()->text(), "46-3678");
  dialog.show();
  dialog.AlphaField()->clear();
  QTest::keyClicks(dialog.AlphaField(), "1 (800) FLOWERS");
  QTest::keyClick(dialog.AlphaField(), Qt::Key_Backspace);
  EXPECT_EQ(dialog.NumericField()->text(), "1 (800) 356937");
  QTest::keyClick(dialog.AlphaField(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == dorv::res::kButtonClose) QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 1);
}
