#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "reports/CMemoDlg.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;
using reports::CMemoDlg;
using reports::MemoButton;

namespace {

struct MemoWorld {
  test::CallLogTestFiles files;
  data::PdbRecord entry{};

  MemoWorld() {
    data::WriteField(entry.type, "Friend");
    data::WriteField(entry.name, "Pat");
    data::WriteField(entry.prefix, "555");
    data::WriteField(entry.suffix, "0100");
  }
  bool Enabled(const CMemoDlg& dialog, MemoButton button) {
    return dialog.Button(button).isEnabled();
  }
};

}  // namespace

TEST(MemoDialog, AnEntryWithoutMemoFilesOpensEmptyWithBothButtonsOff) {
  MemoWorld world;
  CMemoDlg dialog(world.files.pdb, world.entry, world.files.myInfo);
  for (const QLineEdit* field : {&dialog.FileNumberField(), &dialog.NameField(),
                                 &dialog.DateField(), &dialog.NumberField()})
    EXPECT_EQ(field->text(), "");
  EXPECT_FALSE(world.Enabled(dialog, MemoButton::Previous));
  EXPECT_FALSE(world.Enabled(dialog, MemoButton::Next));
}

// The steps over deleted memos are the memo steps' own table; here the buttons take them.
TEST(MemoDialog, OpensOnTheNewestMemoAndStepsOverDeletedOnesBothWays) {
  MemoWorld world;
  world.entry.memoFileNumber = 7;
  world.files.myInfo.clock12 = 1;
  const std::uint32_t day = 86400;
  ASSERT_TRUE(world.files.AddMemo(7, test::kJan1st1999 + 13 * 3600 + 5 * 60, "first"));
  ASSERT_TRUE(world.files.AddMemo(7, test::kJan1st1999 + day, ""));
  ASSERT_TRUE(world.files.AddMemo(7, test::kJan1st1999 + 2 * day, ""));
  ASSERT_TRUE(world.files.AddMemo(7, test::kJan1st1999 + 3 * day, "last"));
  CMemoDlg dialog(world.files.pdb, world.entry, world.files.myInfo);
  EXPECT_EQ(dialog.FileNumberField().text(), "7");
  EXPECT_EQ(dialog.NameField().text(), "Friend - Pat");
  EXPECT_EQ(dialog.MemoText().toPlainText(), "last");
  EXPECT_FALSE(world.Enabled(dialog, MemoButton::Next));
  dialog.Button(MemoButton::Previous).click();
  EXPECT_EQ(dialog.MemoText().toPlainText(), "first");
  EXPECT_EQ(dialog.DateField().text(), "Fri Jan 01, 1999  01:05 PM");
  EXPECT_FALSE(world.Enabled(dialog, MemoButton::Previous));
  dialog.Button(MemoButton::Next).click();
  EXPECT_EQ(dialog.MemoText().toPlainText(), "last");
  EXPECT_TRUE(world.Enabled(dialog, MemoButton::Previous));
}
