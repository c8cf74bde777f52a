#include <gtest/gtest.h>

#include <optional>

#include <QHeaderView>
#include <QTest>

#include "support/Prompter.h"
#include "support/FaultInjector.h"
#include "data/FixedText.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CPdbRecoveryDlg.h"
#include "pdb/PdbTestBook.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using dorv::pdb::CPdbListDlg;
using dorv::pdb::ListButton;
using dorv::test::PdbTestBook;
using dorv::test::TestEntry;

namespace {

// A list window on screen with its rows loaded, as the user sees it after the timer's tick.
struct OpenList {
  explicit OpenList(PdbTestBook& book, pdb::PdbListOpeners openers = {})
      : dialog(book.pdb, book.myInfo, data::PdbKind::Toll, std::move(openers)) {
    dialog.show();
    dialog.OnLoadTimer();
  }
  CPdbListDlg dialog;
};

QStringList Column(const CPdbListDlg& dialog, int column) {
  return test::ColumnTexts(&dialog.List(), column);
}

void ClickRow(CPdbListDlg& dialog, int row, Qt::KeyboardModifiers modifiers = {}) {
  test::ClickRow(&dialog.List(), row, modifiers);
}

void ClickHeader(CPdbListDlg& dialog, int column) {
  emit dialog.List().header()->sectionClicked(column);
}

bool Enabled(const CPdbListDlg& dialog, ListButton button) {
  return dialog.Button(button).isEnabled();
}

std::vector<TestEntry> ThreeEntries() {
  return {{"Family", "bravo", "555", "200", "0002"},
          {"business", "Alpha", "555", "300", "0003"},
          {"Club", "charlie", "555", "100", "0001"}};
}

// An editor that appends the entry it is given and reports the write.
pdb::PdbListOpeners AppendingEditor(PdbTestBook& book, const char* name, int& calls) {
  pdb::PdbListOpeners openers;
  openers.editor = [&book, name, &calls](const pdb::EditorRequest& request) {
    ++calls;
    if (request.mode == pdb::PdbEditMode::Edit) {
      book.pdb.ReadAt(request.position, request.buffer, request.kind);
      data::WriteField(request.buffer.name, name);
      return book.pdb.WriteAt(request.position, request.buffer, request.kind)
                 ? pdb::EditResult::Written
                 : pdb::EditResult::WriteFailed;
    }
    data::ClearRecord(request.buffer);
    data::WriteField(request.buffer.type, "New");
    data::WriteField(request.buffer.name, name);
    data::WriteField(request.buffer.country, "FRANCE");
    data::WriteField(request.buffer.countryCode, "33");
    data::WriteField(request.buffer.areaCode, "1");
    return book.pdb.Append(request.buffer, request.kind) ? pdb::EditResult::Written
                                                         : pdb::EditResult::WriteFailed;
  };
  return openers;
}

}  // namespace

TEST(PdbListDialog, LoadWaitsForTheTimerAndStepsTheBarAsPlanned) {
  PdbTestBook book;
  book.AddNumbered(250);
  CPdbListDlg dialog(book.pdb, book.myInfo, data::PdbKind::Toll);
  dialog.show();
  EXPECT_TRUE(dialog.LoadTimer().isActive());
  EXPECT_EQ(dialog.Rows().rowCount(), 0);
  dialog.OnLoadTimer();
  EXPECT_FALSE(dialog.LoadTimer().isActive());
  EXPECT_EQ(dialog.Rows().rowCount(), 250);
  EXPECT_EQ(dialog.ProgressSteps(), 125);
  EXPECT_FALSE(dialog.Progress().isVisible());
  EXPECT_FALSE(Enabled(dialog, ListButton::Recover));
  EXPECT_FALSE(Enabled(dialog, ListButton::Compress));
  EXPECT_EQ(dialog.Item(0)->PhoneText(), "555.123.1000");
}

TEST(PdbListDialog, OnlyDeletedEntriesGiveAnEmptyListWithRecoverAndCompress) {
  PdbTestBook book;
  book.AddNumbered(4, 1);
  OpenList list(book);
  EXPECT_EQ(list.dialog.Rows().rowCount(), 0);
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Recover));
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Compress));
  EXPECT_FALSE(Enabled(list.dialog, ListButton::Delete));
}

TEST(PdbListDialog, HiddenEntriesAndAPartialTailAreNotListed) {
  PdbTestBook book;
  book.Add({{"A", "shown"}, {"A", "hidden", "1", "2", "3", false, true}});
  book.pdb.Close();
  std::string file = book.db.ReadFile("DORV21");
  book.db.WriteFile("DORV21", file + std::string(100, '\0'));
  ASSERT_TRUE(book.pdb.Open());
  OpenList list(book);
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"shown"}));
}

TEST(PdbListDialog, HeaderClicksSortTheirColumnEachWayInTurn) {
  PdbTestBook book;
  book.Add(ThreeEntries());
  OpenList list(book);
  EXPECT_EQ(Column(list.dialog, 0), (QStringList{"business", "Club", "Family"}));
  ClickHeader(list.dialog, 1);
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"Alpha", "bravo", "charlie"}));
  ClickHeader(list.dialog, 1);
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"charlie", "bravo", "Alpha"}));
  ClickHeader(list.dialog, 0);
  EXPECT_EQ(Column(list.dialog, 0), (QStringList{"Family", "Club", "business"}));
  ClickHeader(list.dialog, 2);
  EXPECT_EQ(Column(list.dialog, 2), (QStringList{"555.100.0001", "555.200.0002", "555.300.0003"}));
}

TEST(PdbListDialog, SortKeepsTheSelectionOnItsRowAndNamesDifferingInCaseStayInOrder) {
  PdbTestBook book;
  book.Add({{"A", "smith"}, {"B", "Zed"}, {"C", "SMITH"}, {"D", "Smith"}});
  OpenList list(book);
  ClickRow(list.dialog, 1);  // "Zed"
  ClickHeader(list.dialog, 1);
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"smith", "SMITH", "Smith", "Zed"}));
  ASSERT_EQ(list.dialog.SelectedRows(), (std::vector<int>{3}));
  ClickHeader(list.dialog, 1);
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"Zed", "smith", "SMITH", "Smith"}));
  EXPECT_EQ(list.dialog.SelectedRows(), (std::vector<int>{0}));
}

TEST(PdbListDialog, OneRowListIgnoresHeaderClicksAndKeepsTheFlags) {
  PdbTestBook book;
  book.Add({{"Only", "one"}, {"Gone", "two", "1", "2", "3", true}});
  OpenList list(book);
  ClickHeader(list.dialog, 0);
  ClickHeader(list.dialog, 1);
  EXPECT_EQ(list.dialog.SortCode(), 0);
  // Bring the second entry back; the first click on Type still sorts descending.
  platform::SetModalHook([](QDialog& dialog) {
    auto& recovery = dynamic_cast<pdb::CPdbRecoveryDlg&>(dialog);
    recovery.OnLoadTimer();
    recovery.List().selectAll();
    recovery.OnOk();
    return recovery.result();
  });
  list.dialog.Button(ListButton::Recover).click();
  platform::SetModalHook({});
  ASSERT_EQ(list.dialog.Rows().rowCount(), 2);
  ClickHeader(list.dialog, 0);
  EXPECT_EQ(list.dialog.SortCode(), 1);
  EXPECT_EQ(Column(list.dialog, 0), (QStringList{"Only", "Gone"}));
}

TEST(PdbListDialog, FocusedRowSetsTheButtons) {
  PdbTestBook book;
  book.Add(ThreeEntries());
  int editorCalls = 0;
  OpenList plain(book);
  EXPECT_FALSE(Enabled(plain.dialog, ListButton::Add));
  EXPECT_FALSE(plain.dialog.Button(ListButton::TimeACall).isVisibleTo(&plain.dialog));
  ClickRow(plain.dialog, 0);
  EXPECT_TRUE(Enabled(plain.dialog, ListButton::Delete));
  // Without the dialogs they open, the editor, call and print buttons stay disabled.
  for (ListButton b : {ListButton::Edit, ListButton::Duplicate, ListButton::TimeACall,
                       ListButton::ManualCallEntry, ListButton::ViewMemo,
                       ListButton::ViewContactLog, ListButton::PrintRecord}) {
    EXPECT_TRUE(plain.dialog.Button(b).isVisibleTo(&plain.dialog));
    EXPECT_FALSE(Enabled(plain.dialog, b));
  }

  OpenList wired(book, AppendingEditor(book, "x", editorCalls));
  EXPECT_TRUE(Enabled(wired.dialog, ListButton::Add));
  ClickRow(wired.dialog, 0);
  EXPECT_TRUE(Enabled(wired.dialog, ListButton::Edit));
  EXPECT_TRUE(Enabled(wired.dialog, ListButton::Duplicate));
  ClickRow(wired.dialog, 2, Qt::ControlModifier);
  EXPECT_EQ(wired.dialog.SelectedRows(), (std::vector<int>{0, 2}));
  EXPECT_FALSE(Enabled(wired.dialog, ListButton::Edit));
  EXPECT_FALSE(Enabled(wired.dialog, ListButton::Duplicate));
  EXPECT_TRUE(Enabled(wired.dialog, ListButton::Delete));
  EXPECT_EQ(editorCalls, 0);
}

TEST(PdbListDialog, DeletingThreeRowsAsksOnceAndRemovesThem) {
  PdbTestBook book;
  book.AddNumbered(5);
  OpenList list(book);
  ClickRow(list.dialog, 0);
  ClickRow(list.dialog, 2, Qt::ControlModifier);
  ClickRow(list.dialog, 4, Qt::ControlModifier);
  dorv::test::Prompter prompter;
  prompter.Answer(QMessageBox::Yes);
  list.dialog.Button(ListButton::Delete).click();
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kAskDeleteItems}));
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"Entry 1", "Entry 3"}));
  EXPECT_EQ(book.ActiveFlags(), (std::vector<std::uint32_t>{0, 1, 0, 1, 0}));
  for (ListButton b : {ListButton::Delete, ListButton::TimeACall, ListButton::ViewMemo})
    EXPECT_FALSE(Enabled(list.dialog, b));
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Recover));
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Compress));
  ClickRow(list.dialog, 0);
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Delete));
}

TEST(PdbListDialog, DeleteAnsweredNoOrFailingChangesNothingMore) {
  PdbTestBook book;
  book.AddNumbered(3);
  OpenList list(book);
  ClickRow(list.dialog, 1);
  {
    dorv::test::Prompter prompter;
    prompter.Answer(QMessageBox::No);
    list.dialog.OnDelete();
    EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kAskDeleteItem}));
  }
  EXPECT_EQ(list.dialog.Rows().rowCount(), 3);
  book.pdb.Close();
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  prompter.Answer(QMessageBox::Yes);
  list.dialog.OnDelete();
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kAskDeleteItem, res::kErrorDeleteEntry}));
  EXPECT_EQ(list.dialog.Rows().rowCount(), 3);
  EXPECT_EQ(list.dialog.SelectedRows(), (std::vector<int>{1}));
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Delete));
  ASSERT_TRUE(book.pdb.Open());
  EXPECT_EQ(book.ActiveFlags(), (std::vector<std::uint32_t>{1, 1, 1}));
}

TEST(PdbListDialog, UnreadableBookEndsTheDialogWithInternalError103) {
  PdbTestBook book;
  book.AddNumbered(3);
  CPdbListDlg dialog(book.pdb, book.myInfo, data::PdbKind::Toll);
  dialog.show();
  book.pdb.Close();
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  dialog.OnLoadTimer();
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0],
            platform::ShownText(QString(res::kErrorInternal).replace("%i", "103")));
  EXPECT_EQ(dialog.result(), 1);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(PdbListDialog, CompressingTenWithThreeDeletedLeavesSevenInOrder) {
  PdbTestBook book;
  book.AddNumbered(10);
  OpenList list(book);
  for (int row : {0, 5, 7}) ClickRow(list.dialog, row, Qt::ControlModifier);
  dorv::test::Prompter prompter;
  prompter.Answer(QMessageBox::Yes);  // delete
  prompter.Answer(QMessageBox::Yes);  // compress
  prompter.Answer(QMessageBox::Ok);   // backed up
  list.dialog.Button(ListButton::Delete).click();
  list.dialog.Button(ListButton::Compress).click();
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kAskDeleteItems, res::kAskCompress,
                                                    res::kWarnCompressBackup}));
  // What the rewritten file holds is the compression's own test; the list reloads from it.
  EXPECT_EQ(book.pdb.Count(data::PdbKind::Toll), 7);
  EXPECT_EQ(list.dialog.Rows().rowCount(), 7);
  EXPECT_EQ(list.dialog.Item(6)->Position(), 6);
  EXPECT_FALSE(Enabled(list.dialog, ListButton::Recover));
  EXPECT_FALSE(Enabled(list.dialog, ListButton::Compress));
}

TEST(PdbListDialog, CompressDeclinedOrFailingLeavesTheBook) {
  enum Fault { kNone, kRename, kScratch };
  struct Row {
    const char* name;
    QMessageBox::StandardButton first, second;
    Fault fault;
    std::vector<QString> shown;
  } rows[] = {
      {"no", QMessageBox::No, QMessageBox::Ok, kNone, {res::kAskCompress}},
      {"cancel", QMessageBox::Yes, QMessageBox::Cancel, kNone,
       {res::kAskCompress, res::kWarnCompressBackup}},
      {"rename fails", QMessageBox::Yes, QMessageBox::Ok, kRename,
       {res::kAskCompress, res::kWarnCompressBackup, res::kErrorCompress}},
      {"no scratch file", QMessageBox::Yes, QMessageBox::Ok, kScratch,
       {res::kAskCompress, res::kWarnCompressBackup, res::kErrorCompress}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PdbTestBook book;
    book.AddNumbered(6, 3);
    std::string before = book.db.ReadFile("DORV21");
    OpenList list(book);
    std::optional<test::FaultInjector> failing;
    if (row.fault == kRename) failing.emplace(test::FailingCall::Rename, 1, test::Failure::Once);
    if (row.fault == kScratch) std::filesystem::create_directory(book.db.Path("~PTEMP~.DAT"));
    dorv::test::Prompter prompter;
    prompter.AnswerAllWith(QMessageBox::Ok);
    prompter.Answer(row.first);
    prompter.Answer(row.second);
    list.dialog.OnCompress();
    EXPECT_EQ(prompter.Shown(), row.shown);
    EXPECT_EQ(book.db.ReadFile("DORV21"), before);
    EXPECT_EQ(book.db.Exists("~PTEMP~.DAT"), row.fault == kScratch);
    EXPECT_TRUE(book.pdb.IsOpen());
    EXPECT_EQ(list.dialog.Rows().rowCount(), 4);
    EXPECT_TRUE(Enabled(list.dialog, ListButton::Compress));
  }
}

TEST(PdbListDialog, EditorResultsAddReplaceOrReport) {
  PdbTestBook book;
  book.Add(ThreeEntries());
  int calls = 0;
  OpenList list(book, AppendingEditor(book, "Zulu", calls));
  ClickHeader(list.dialog, 1);  // by name, ascending
  list.dialog.Button(ListButton::Add).click();
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"Alpha", "bravo", "charlie", "Zulu"}));
  ASSERT_EQ(list.dialog.SelectedRows(), (std::vector<int>{3}));
  EXPECT_EQ(list.dialog.Item(3)->Position(), 3);
  EXPECT_EQ(list.dialog.Item(3)->PhoneText(), "011-33-1.");
  EXPECT_TRUE(Enabled(list.dialog, ListButton::Edit));

  ClickRow(list.dialog, 0);  // Alpha, at position 1
  list.dialog.Button(ListButton::Edit).click();
  EXPECT_EQ(Column(list.dialog, 1), (QStringList{"bravo", "charlie", "Zulu", "Zulu"}));
  EXPECT_EQ(book.NamesInFile(), (std::vector<std::string>{"bravo", "Zulu", "charlie", "Zulu"}));
  auto selected = list.dialog.SelectedRows();
  ASSERT_EQ(selected.size(), 1u);
  EXPECT_EQ(list.dialog.Item(selected[0])->Position(), 1);
  EXPECT_EQ(calls, 2);

  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  list.dialog.AfterEditor(pdb::PdbEditMode::Duplicate, pdb::EditResult::WriteFailed);
  list.dialog.AfterEditor(pdb::PdbEditMode::Add, pdb::EditResult::NothingWritten);
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kErrorSaveEntry}));
  EXPECT_EQ(list.dialog.Rows().rowCount(), 4);
}

TEST(PdbListDialog, CallScreenGetsTheEntryReadIntoTheWorkBuffer) {
  PdbTestBook book;
  book.Add(ThreeEntries());
  std::vector<std::pair<long, rating::CallScreenMode>> opened;
  std::string name;
  pdb::PdbListOpeners openers;
  openers.callScreen = [&](long position, data::PdbRecord& entry, data::PdbKind,
                           rating::CallScreenMode mode,
                           QWidget*) {
    opened.push_back({position, mode});
    name = data::ReadField(entry.name);
  };
  OpenList list(book, openers);
  ClickRow(list.dialog, 2);  // Family, bravo, at position 0
  EXPECT_TRUE(Enabled(list.dialog, ListButton::TimeACall));
  EXPECT_FALSE(Enabled(list.dialog, ListButton::ViewMemo));
  list.dialog.Button(ListButton::TimeACall).click();
  list.dialog.Button(ListButton::ManualCallEntry).click();
  EXPECT_EQ(opened, (std::vector<std::pair<long, rating::CallScreenMode>>{
                        {0, rating::CallScreenMode::Timing},
                                                       {0, rating::CallScreenMode::ManualEntry}}));
  EXPECT_EQ(name, "bravo");
  book.pdb.Close();
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  list.dialog.OnTimeACall();
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kErrorPersonalDatabase}));
  EXPECT_EQ(opened.size(), 2u);
}

TEST(PdbListDialog, MenuCommandRunsTheListModallyAndCloseEndsWithOne) {
  PdbTestBook book;
  book.Add(ThreeEntries(), data::PdbKind::AudioTex);
  QString caption;
  int rows = -1;
  platform::SetModalHook([&](QDialog& dialog) {
    auto& list = dynamic_cast<CPdbListDlg&>(dialog);
    caption = list.windowTitle();
    list.OnLoadTimer();
    rows = list.Rows().rowCount();
    list.Button(ListButton::Close).click();
    return list.result();
  });
  int result = pdb::RunPdbList(book.pdb, book.myInfo, data::PdbKind::AudioTex, nullptr);
  platform::SetModalHook({});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(caption, "Dorv - (PDB AudioTex)");
  EXPECT_EQ(rows, 3);
}
