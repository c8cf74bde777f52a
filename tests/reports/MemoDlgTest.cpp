#include <gtest/gtest.h>

#include "reports/CMemoDlg.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;
using reports::CMemoDlg;
using reports::MemoButton;

// The steps over deleted memos are the memo steps' own table; here the buttons take them.
TEST(MemoDialog, OpensOnTheNewestMemoAndStepsOverDeletedOnesBothWays) {
  test::CallLogTestFiles files;
  data::PdbRecord entry{};
  CMemoDlg withoutFiles(files.pdb, entry, files.myInfo);  // opens empty, with nothing to step to
  EXPECT_FALSE(withoutFiles.Button(MemoButton::Previous).isEnabled());

  entry.memoFileNumber = 7;
  files.myInfo.clock12 = 1;
  const std::uint32_t day = 86400;
  ASSERT_TRUE(files.AddMemo(7, test::kJan1st1999 + 13 * 3600 + 5 * 60, "first"));
  ASSERT_TRUE(files.AddMemo(7, test::kJan1st1999 + day, ""));
  ASSERT_TRUE(files.AddMemo(7, test::kJan1st1999 + 2 * day, ""));
  ASSERT_TRUE(files.AddMemo(7, test::kJan1st1999 + 3 * day, "last"));
  CMemoDlg dialog(files.pdb, entry, files.myInfo);
  EXPECT_EQ(dialog.MemoText().toPlainText(), "last");
  EXPECT_FALSE(dialog.Button(MemoButton::Next).isEnabled());
  dialog.Button(MemoButton::Previous).click();
  EXPECT_EQ(dialog.MemoText().toPlainText(), "first");
  EXPECT_EQ(dialog.DateField().text(), "Fri Jan 01, 1999  01:05 PM");
  EXPECT_FALSE(dialog.Button(MemoButton::Previous).isEnabled());
  dialog.Button(MemoButton::Next).click();
  EXPECT_EQ(dialog.MemoText().toPlainText(), "last");
}
