#include <gtest/gtest.h>

#include <QHeaderView>

#include "support/Prompter.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CPdbRecoveryDlg.h"
#include "pdb/PdbTestBook.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using dorv::pdb::CPdbRecoveryDlg;
using dorv::test::PdbTestBook;

namespace {

platform::ReportListModel ListWindowRows() {
  return platform::ReportListModel(pdb::ListColumns(30, 45, 25));
}

void Select(CPdbRecoveryDlg& dialog, std::initializer_list<int> rows) {
  for (int row : rows)
    dialog.List().selectionModel()->select(dialog.Rows().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

TEST(PdbRecoveryDialog, ListsDeletedAndHiddenDeletedEntriesSortedByType) {
  PdbTestBook book;
  book.Add({{"Zoo", "kept"},
            {"Work", "gone", "212", "555", "0100", true},
            {"home", "hidden gone", "212", "555", "0101", true, true}});
  platform::ReportListModel target(pdb::ListColumns(30, 45, 25));
  CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
  dialog.show();
  dialog.OnLoadTimer();
  ASSERT_EQ(dialog.Rows().rowCount(), 2);
  EXPECT_EQ(dialog.Rows().Row(0)->Text(1), "hidden gone");
  EXPECT_EQ(dialog.Rows().Row(1)->Text(2), "212.555.0100");
  emit dialog.List().header()->sectionClicked(1);
  emit dialog.List().header()->sectionClicked(1);  // always ascending
  EXPECT_EQ(dialog.SortCode(), 1);
  EXPECT_EQ(dialog.Rows().Row(0)->Text(1), "gone");
}

TEST(PdbRecoveryDialog, OkRecoversTheSelectedEntriesIntoTheListWindow) {
  PdbTestBook book;
  book.Add({{"B", "b gone", "1", "2", "3", true},
            {"A", "a kept"},
            {"C", "c gone", "1", "2", "3", true},
            {"D", "d gone", "1", "2", "3", true}});
  pdb::CPdbListDlg list(book.pdb, book.myInfo, data::PdbKind::Toll);
  list.show();
  list.OnLoadTimer();
  platform::SetModalHook([](QDialog& dialog) {
    auto& recovery = dynamic_cast<CPdbRecoveryDlg&>(dialog);
    recovery.OnLoadTimer();
    Select(recovery, {0, 2});  // B and D
    recovery.OkButton().click();
    EXPECT_EQ(recovery.Rows().rowCount(), 1);
    return recovery.result();
  });
  list.OnRecover();
  platform::SetModalHook({});
  EXPECT_EQ(book.ActiveFlags(), (std::vector<std::uint32_t>{1, 1, 0, 1}));
  EXPECT_EQ(test::ColumnTexts(&list.List(), 1), (QStringList{"a kept", "b gone", "d gone"}));
  EXPECT_EQ(list.Item(2)->Position(), 3);
}

TEST(PdbRecoveryDialog, NothingSelectedOrCancelChangesNothing) {
  PdbTestBook book;
  book.Add({{"A", "gone", "1", "2", "3", true}, {"B", "kept"}});
  auto target = ListWindowRows();
  {
    CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
    dialog.OnLoadTimer();
    dialog.OkButton().click();
    EXPECT_EQ(dialog.result(), 1);
  }
  {
    CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
    dialog.OnLoadTimer();
    Select(dialog, {0});
    dialog.CancelButton().click();
    EXPECT_EQ(dialog.result(), 2);
  }
  EXPECT_EQ(target.rowCount(), 0);
  EXPECT_EQ(book.ActiveFlags(), (std::vector<std::uint32_t>{0, 1}));
}

TEST(PdbRecoveryDialog, BookWithoutDeletedEntriesShowsAnEmptyList) {
  PdbTestBook book;
  book.AddNumbered(3);
  auto target = ListWindowRows();
  CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
  dialog.OnLoadTimer();
  EXPECT_EQ(dialog.Rows().rowCount(), 0);
  dialog.OkButton().click();
  EXPECT_EQ(dialog.result(), 1);
}

TEST(PdbRecoveryDialog, UnreadableBookOrFailedRecoveryIsReported) {
  PdbTestBook book;
  book.Add({{"A", "gone", "1", "2", "3", true}, {"B", "gone too", "1", "2", "3", true}});
  auto target = ListWindowRows();
  {
    CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
    dialog.OnLoadTimer();
    Select(dialog, {0, 1});
    book.pdb.Close();
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    dialog.OnOk();
    EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kErrorDeleteEntry}));
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.Rows().rowCount(), 2);
  }
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
  dialog.OnLoadTimer();
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kErrorRecoveryAccess}));
  EXPECT_EQ(dialog.result(), 1);
  EXPECT_EQ(target.rowCount(), 0);
  ASSERT_TRUE(book.pdb.Open());
  EXPECT_EQ(book.ActiveFlags(), (std::vector<std::uint32_t>{0, 0}));
}
