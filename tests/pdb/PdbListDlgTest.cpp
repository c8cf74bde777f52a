#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <filesystem>

#include "data/FixedText.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CPdbRecoveryDlg.h"
#include "pdb/PdbTestBook.h"
#include "res/Strings.h"
#include "support/DialogDriver.h"

using namespace dorv;
using dorv::pdb::CPdbListDlg;
using dorv::pdb::CPdbRecoveryDlg;
using dorv::pdb::ListButton;
using dorv::test::PdbTestBook;
using Flags = std::vector<std::uint32_t>;
using Rows = std::vector<int>;

namespace {

// A list window on screen with its rows loaded, as the user sees it after the timer's tick.
struct OpenList {
  explicit OpenList(PdbTestBook& book, pdb::PdbListOpeners openers = {})
      : dialog(book.pdb, book.myInfo, data::PdbKind::Toll, std::move(openers)) {
    dialog.show();
    dialog.OnLoadTimer();
  }
  QStringList Column(int column) const { return test::ColumnTexts(&dialog.List(), column); }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    test::ClickRow(&dialog.List(), row, modifiers);
  }
  void ClickHeader(int column) { emit dialog.List().header()->sectionClicked(column); }
  bool Enabled(ListButton button) const { return dialog.Button(button).isEnabled(); }
  CPdbListDlg dialog;
};

// An editor that renames the entry it edits, or appends a new one, and reports the write.
pdb::PdbListOpeners AppendingEditor(PdbTestBook& book, const char* name) {
  pdb::PdbListOpeners openers;
  openers.editor = [&book, name](const pdb::EditorRequest& request) {
    if (request.mode == pdb::PdbEditMode::Edit) {
      book.pdb.ReadAt(request.position, request.buffer, request.kind);
      data::WriteField(request.buffer.name, name);
      return book.pdb.WriteAt(request.position, request.buffer, request.kind)
                 ? pdb::EditResult::Written
                 : pdb::EditResult::WriteFailed;
    }
    data::ClearRecord(request.buffer);
    data::WriteField(request.buffer.name, name);
    return book.pdb.Append(request.buffer, request.kind) ? pdb::EditResult::Written
                                                         : pdb::EditResult::WriteFailed;
  };
  return openers;
}

void Select(CPdbRecoveryDlg& dialog, const std::vector<int>& rows) {
  for (int row : rows)
    dialog.List().selectionModel()->select(dialog.Rows().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

// The rows come with the timer's tick: the list shows the active entries that are not hidden,
// the recovery dialog the deleted ones, hidden or not, sorted by type (its header sorts only
// ascending); a partial tail is in neither. A book that cannot be read ends the list.
TEST(PdbListDialog, TheTimersTickListsTheActiveShownEntriesAndRecoveryTheDeleted) {
  PdbTestBook book;
  book.Add({{"A", "shown"},
            {"A", "hidden", "1", "2", "3", false, true},
            {"Work", "gone", "212", "555", "0100", true},
            {"home", "hidden gone", "212", "555", "0101", true, true}});
  book.pdb.Close();
  book.db.WriteFile("DORV21", book.db.ReadFile("DORV21") + std::string(100, '\0'));
  ASSERT_TRUE(book.pdb.Open());
  CPdbListDlg dialog(book.pdb, book.myInfo, data::PdbKind::Toll);
  dialog.show();
  EXPECT_EQ(dialog.Rows().rowCount(), 0);
  dialog.OnLoadTimer();
  EXPECT_EQ(test::ColumnTexts(&dialog.List(), 1), (QStringList{"shown"}));

  platform::ReportListModel target(pdb::ListColumns(30, 45, 25));
  CPdbRecoveryDlg recovery(book.pdb, data::PdbKind::Toll, target);
  recovery.show();
  recovery.OnLoadTimer();
  EXPECT_EQ(test::ColumnTexts(&recovery.List(), 1), (QStringList{"hidden gone", "gone"}));
  emit recovery.List().header()->sectionClicked(1);
  emit recovery.List().header()->sectionClicked(1);
  EXPECT_EQ(recovery.Rows().Row(0)->Text(1), "gone");

  CPdbListDlg unreadable(book.pdb, book.myInfo, data::PdbKind::Toll);
  unreadable.show();
  book.pdb.Close();
  test::Prompter prompter{QMessageBox::Ok};
  unreadable.OnLoadTimer();
  test::ExpectShown(prompter, {QString(res::kErrorInternal).replace("%i", "103")});
  EXPECT_EQ(unreadable.result(), 1);
  EXPECT_FALSE(unreadable.isVisible());
}

// Which buttons a selection allows is the rules' table; a button whose dialog is missing stays
// disabled whatever is selected. The load sorts by type; a header click sorts its column keeping
// the selection on its entry (how texts compare is the list model's test). The editor's result
// adds or replaces the row, which stays selected, or is told; the call screen gets the entry
// read from the book, which must be readable.
TEST(PdbListDialog, TheButtonsOpenTheEditorAndTheCallScreenForTheSelectedEntry) {
  PdbTestBook book;
  book.Add({{"Family", "bravo", "555", "200", "0002"},
            {"business", "Alpha", "555", "300", "0003"},
            {"Club", "charlie", "555", "100", "0001"}});
  OpenList plain(book);
  plain.ClickRow(0);
  EXPECT_TRUE(plain.Enabled(ListButton::Delete));
  EXPECT_FALSE(plain.Enabled(ListButton::Edit));

  pdb::PdbListOpeners openers = AppendingEditor(book, "Zulu");
  std::vector<std::pair<long, rating::CallScreenMode>> opened;
  std::string name;
  openers.callScreen = [&](long position, data::PdbRecord& entry, data::PdbKind,
                           rating::CallScreenMode mode, QWidget*) {
    opened.push_back({position, mode});
    name = data::ReadField(entry.name);
  };
  OpenList list(book, openers);
  EXPECT_EQ(list.Column(0), (QStringList{"business", "Club", "Family"}));
  list.ClickRow(2);     // bravo
  list.ClickHeader(1);  // by name, ascending
  EXPECT_EQ(list.dialog.SelectedRows(), (Rows{1}));
  list.dialog.Button(ListButton::Add).click();
  EXPECT_EQ(list.Column(1), (QStringList{"Alpha", "bravo", "charlie", "Zulu"}));
  ASSERT_EQ(list.dialog.SelectedRows(), (Rows{3}));
  EXPECT_EQ(list.dialog.Item(3)->Position(), 3);
  list.ClickRow(0);  // Alpha, at position 1
  list.dialog.Button(ListButton::Edit).click();
  EXPECT_EQ(list.Column(1), (QStringList{"bravo", "charlie", "Zulu", "Zulu"}));
  EXPECT_EQ(list.dialog.Item(list.dialog.SelectedRows().at(0))->Position(), 1);
  {
    test::Prompter prompter{QMessageBox::Ok};
    list.dialog.AfterEditor(pdb::PdbEditMode::Duplicate, pdb::EditResult::WriteFailed);
    list.dialog.AfterEditor(pdb::PdbEditMode::Add, pdb::EditResult::NothingWritten);
    test::ExpectShown(prompter, {res::kErrorSaveEntry});
  }
  EXPECT_EQ(list.dialog.Rows().rowCount(), 4);

  list.ClickRow(0);  // bravo, at position 0
  list.dialog.Button(ListButton::TimeACall).click();
  list.dialog.Button(ListButton::ManualCallEntry).click();
  EXPECT_EQ(opened,
            (std::vector<std::pair<long, rating::CallScreenMode>>{
                {0, rating::CallScreenMode::Timing}, {0, rating::CallScreenMode::ManualEntry}}));
  EXPECT_EQ(name, "bravo");
  list.ClickHeader(0);  // the load set Type's flag: descending
  EXPECT_EQ(list.Column(0), (QStringList{"Family", "Club", "business", ""}));
  book.pdb.Close();
  test::Prompter prompter{QMessageBox::Ok};
  list.dialog.OnTimeACall();
  test::ExpectShown(prompter, {res::kErrorPersonalDatabase});
  EXPECT_EQ(opened.size(), 2u);
}

// No or a failed write changes nothing; Yes asks once for all selected rows and a compression
// drops them (what the rewritten file holds is the compression's own test).
TEST(PdbListDialog, DeleteAsksOnceAndCompressingDropsTheDeletedRows) {
  PdbTestBook book;
  book.AddNumbered(5);
  OpenList list(book);
  list.ClickRow(1);
  {
    test::Prompter prompter{QMessageBox::No};
    list.dialog.OnDelete();
    book.pdb.Close();
    prompter.Answer(QMessageBox::Yes);
    prompter.Answer(QMessageBox::Ok);
    list.dialog.OnDelete();
    test::ExpectShown(prompter, {res::kAskDeleteItem, res::kAskDeleteItem, res::kErrorDeleteEntry});
  }
  EXPECT_EQ(list.dialog.Rows().rowCount(), 5);
  ASSERT_TRUE(book.pdb.Open());
  EXPECT_EQ(book.ActiveFlags(), (Flags{1, 1, 1, 1, 1}));

  list.ClickRow(0);
  list.ClickRow(2, Qt::ControlModifier);
  list.ClickRow(4, Qt::ControlModifier);
  test::Prompter prompter{QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok};
  list.dialog.Button(ListButton::Delete).click();
  EXPECT_EQ(list.Column(1), (QStringList{"Entry 1", "Entry 3"}));
  EXPECT_EQ(book.ActiveFlags(), (Flags{0, 1, 0, 1, 0}));
  EXPECT_TRUE(list.Enabled(ListButton::Recover));
  list.dialog.Button(ListButton::Compress).click();
  test::ExpectShown(prompter, {res::kAskDeleteItems, res::kAskCompress, res::kWarnCompressBackup});
  EXPECT_EQ(book.pdb.Count(data::PdbKind::Toll), 2);
  EXPECT_EQ(list.Column(1), (QStringList{"Entry 1", "Entry 3"}));
  EXPECT_EQ(list.dialog.Item(1)->Position(), 1);
  EXPECT_FALSE(list.Enabled(ListButton::Recover));
}

TEST(PdbListDialog, CompressDeclinedOrFailingLeavesTheBook) {
  struct Row {
    const char* name;
    std::vector<QMessageBox::StandardButton> answers;
    bool scratchBlocked;
    std::vector<QString> shown;
  } rows[] = {
      {"no", {QMessageBox::No}, false, {res::kAskCompress}},
      {"cancel", {QMessageBox::Yes, QMessageBox::Cancel}, false,
       {res::kAskCompress, res::kWarnCompressBackup}},
      {"no scratch file", {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok}, true,
       {res::kAskCompress, res::kWarnCompressBackup, res::kErrorCompress}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PdbTestBook book;
    book.AddNumbered(6, 3);
    std::string before = book.db.ReadFile("DORV21");
    OpenList list(book);
    if (row.scratchBlocked) std::filesystem::create_directory(book.db.Path("~PTEMP~.DAT"));
    test::Prompter prompter;
    for (QMessageBox::StandardButton answer : row.answers) prompter.Answer(answer);
    list.dialog.OnCompress();
    EXPECT_EQ(prompter.Shown(), row.shown);
    EXPECT_EQ(book.db.ReadFile("DORV21"), before);
    EXPECT_EQ(book.db.Exists("~PTEMP~.DAT"), row.scratchBlocked);
    EXPECT_TRUE(book.pdb.IsOpen());
    EXPECT_EQ(list.dialog.Rows().rowCount(), 4);
  }
}

// A one-row list ignores header clicks and keeps the flags for when recovery brings rows back.
// OK with nothing selected recovers nothing.
TEST(PdbRecoveryDialog, OkRecoversTheSelectedEntriesIntoTheListWindow) {
  PdbTestBook book;
  book.Add({{"B", "b gone", "1", "2", "3", true},
            {"A", "a kept"},
            {"C", "c gone", "1", "2", "3", true},
            {"D", "d gone", "1", "2", "3", true}});
  OpenList list(book);
  list.ClickHeader(0);
  list.ClickHeader(1);
  EXPECT_EQ(list.dialog.SortCode(), 0);
  for (const Rows& rows : {Rows{}, Rows{0, 2}}) {  // nothing, then B and D
    test::ModalScript script([&rows](QDialog& dialog) {
      auto& recovery = dynamic_cast<CPdbRecoveryDlg&>(dialog);
      recovery.OnLoadTimer();
      Select(recovery, rows);
      recovery.OkButton().click();
    });
    list.dialog.Button(ListButton::Recover).click();
  }
  EXPECT_EQ(book.ActiveFlags(), (Flags{1, 1, 0, 1}));
  EXPECT_EQ(list.Column(1), (QStringList{"a kept", "b gone", "d gone"}));
  EXPECT_EQ(list.dialog.Item(2)->Position(), 3);
  list.ClickHeader(0);  // still the load's flag: descending
  EXPECT_EQ(list.Column(0), (QStringList{"D", "B", "A"}));
}

// A failed recovery and an unreadable book are told.
TEST(PdbRecoveryDialog, AFailingRecoveryChangesNothing) {
  PdbTestBook book;
  book.Add({{"A", "gone", "1", "2", "3", true}, {"B", "gone too", "1", "2", "3", true}});
  platform::ReportListModel target(pdb::ListColumns(30, 45, 25));
  {
    CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
    dialog.OnLoadTimer();
    Select(dialog, {0, 1});
    book.pdb.Close();
    test::Prompter prompter{QMessageBox::Ok};
    dialog.OnOk();
    test::ExpectShown(prompter, {res::kErrorDeleteEntry});
    EXPECT_EQ(dialog.result(), 1);
  }
  test::Prompter prompter{QMessageBox::Ok};
  CPdbRecoveryDlg dialog(book.pdb, data::PdbKind::Toll, target);
  dialog.OnLoadTimer();
  test::ExpectShown(prompter, {res::kErrorRecoveryAccess});
  EXPECT_EQ(dialog.result(), 1);
  EXPECT_EQ(target.rowCount(), 0);
  ASSERT_TRUE(book.pdb.Open());
  EXPECT_EQ(book.ActiveFlags(), (Flags{0, 0}));
}
