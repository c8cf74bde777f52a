#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <optional>

#include "data/CallLog.h"
#include "data/FixedText.h"
#include "pdb/CPdbEditDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/FakeEditSources.h"
#include "pdb/PdbTestBook.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "res/Strings.h"
#include "support/DialogDriver.h"
#include "support/FakeMemoCounter.h"
#include "support/RecordingNotices.h"
#include "support/SampleFixture.h"

using namespace dorv;
using data::ReadField;
using pdb::CPdbEditDlg;
using pdb::EditButton;
using pdb::EditField;
using pdb::EditResult;
using pdb::PdbEditMode;

namespace {

constexpr auto Entry = test::FullEntry;

// Band 1 covers every hour of every day, so a call can be placed whenever the test runs; the
// entry has no memo files yet.
data::PdbRecord Callable(data::PdbRecord e) {
  e.memoFileNumber = 0;
  for (std::uint16_t& hour : e.bandHours) hour = 0;
  for (int i = 0; i < 6; ++i) e.bandHours[i] = 2400;
  e.initialInterval = 60;
  e.additionalInterval = 60;
  return e;
}

QString Text(const CPdbEditDlg& editor, EditField field) { return editor.Field(field)->text(); }

// A book with entries, its list window on screen, and the editor opened through the list as
// the user opens it; each test scripts what happens in the editor.
struct EditorSetup {
  test::PdbTestBook book;
  data::SampleTables sample;
  data::HourDefinitionFile hours;
  pdb::PdbEditOpeners openers;
  std::function<void(CPdbEditDlg&)> script;
  std::unique_ptr<pdb::CPdbListDlg> list;
  test::Prompter prompter;
  EditResult lastResult = EditResult::WriteFailed;
  int nestedDialogs = 0;
  // The real call screen over the book, for the paths that log a call.
  test::FakeMemoCounter counter;
  test::RecordingNotices notices;
  data::CallLogFile callLog{notices};
  data::CallLogRecord currentCall{};
  std::time_t clock = 1772618400;  // 4 March 2026, 10:00 UTC: March in every time zone
  test::ScopedModalHook hook{[this](QDialog& dialog) {
    if (auto* screen = dynamic_cast<rating::CCallScreenDlg*>(&dialog)) return MakeCall(*screen);
    auto* editor = dynamic_cast<CPdbEditDlg*>(&dialog);
    if (!editor) {
      ++nestedDialogs;
      return 1;
    }
    editor->show();
    script(*editor);
    return editor->result();
  }};

  explicit EditorSetup(std::vector<data::PdbRecord> entries) {
    for (data::PdbRecord& e : entries) book.pdb.Append(e, data::PdbKind::Toll);
    pdb::PdbListOpeners listOpeners;
    listOpeners.editor = [this](const pdb::EditorRequest& request) {
      return lastResult = pdb::RunPdbEdit(request, {book.pdb, book.myInfo, sample, hours}, openers);
    };
    list = std::make_unique<pdb::CPdbListDlg>(book.pdb, book.myInfo, data::PdbKind::Toll,
                                              std::move(listOpeners));
    list->show();
    list->OnLoadTimer();
  }

  void UseCallScreen() {
    book.pdb.SyncCounter(counter);
    openers.callScreen = [this](long position, data::PdbRecord& entry, data::PdbKind kind,
                                rating::CallScreenMode mode, QWidget* parent) {
      rating::CallScreenContext context{book.pdb, callLog, counter, book.myInfo, currentCall};
      context.now = [this] { return clock; };
      rating::RunEntryCallScreen(context, entry, {kind, position}, mode, parent);
    };
  }
  // The user enters a call of two minutes with a memo (whose euro sign the memo file cannot
  // hold) and saves it.
  int MakeCall(rating::CCallScreenDlg& screen) {
    screen.OnLengthStep(rating::LengthField::Minutes, 2);
    screen.findChild<QPlainTextEdit*>("memo")->setPlainText(QString::fromUtf8("memo\u20ac"));
    screen.findChild<QPushButton*>("main")->click();
    return screen.result();
  }
  // The calls logged in the clock's month, each with its memo.
  std::vector<std::pair<data::CallLogRecord, std::string>> Calls() {
    std::vector<std::pair<data::CallLogRecord, std::string>> calls;
    data::CallLogFile log{notices};
    log.OpenMonthNumber(3, 2026, false);
    for (data::CallLogRecord call{}; log.ReadRecord(static_cast<long>(calls.size()), call);) {
      std::string memo;
      book.pdb.OpenMemoFiles(call.memoFileNumber) && book.pdb.ReadMemoByKey(call.start, memo);
      book.pdb.CloseMemoFiles();
      calls.emplace_back(call, memo);
    }
    return calls;
  }

  EditResult Open(PdbEditMode mode, int row, std::function<void(CPdbEditDlg&)> steps) {
    script = std::move(steps);
    lastResult = EditResult::WriteFailed;
    if (row >= 0) list->SelectRow(row);
    if (mode == PdbEditMode::Add) list->OnAdd();
    if (mode == PdbEditMode::Edit) list->OnEdit();
    if (mode == PdbEditMode::Duplicate) list->OnDuplicate();
    return lastResult;
  }
  std::string Stored() { return book.db.ReadFile("DORV21"); }
  data::PdbRecord At(long position) {
    data::PdbRecord e{};
    book.pdb.ReadAt(position, e, data::PdbKind::Toll);
    return e;
  }
  QStringList Names() {
    QStringList names = test::ColumnTexts(&list->List(), 1);
    names.sort();
    return names;
  }
};

// One service and a band set covering the whole day, as the lookup's rate file would give them.
void UseFakeSources(CPdbEditDlg& editor) {
  auto services = std::make_unique<test::FakeServices>();
  services->service.initialInterval = 60;
  services->service.additionalInterval = 60;
  services->rows = {test::MakeRateRow("", "", 100, {1000, 500, 750, 400, 0, 0})};
  auto bandSets = std::make_unique<test::FakeBandSets>();
  bandSets->sets[""] = test::MakeBandSet("", "Day", {2400, 2400, 2400, 2400, 2400, 2400});
  editor.SetSources(std::move(services), std::move(bandSets));
}

}  // namespace

// A change is saved as typed, with the rates Change Data returned, when the user answers Yes to
// the question of a step or of Cancel; a step answered Cancel stays with the change; an
// unchanged entry steps on without a question.
TEST(PdbEditDialog, ChangesAreSavedAsTypedWhenAskedWhileSteppingThroughTheList) {
  EditorSetup setup(
      {Entry("A", "first", "111"), Entry("B", "second", "222"), Entry("C", "third", "333")});
  for (auto answer : {QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Yes})
    setup.prompter.Answer(answer);
  setup.openers.changeData = [](pdb::ChangeDataValues& values, QWidget*) {
    EXPECT_EQ(values.city, "Toronto");
    values.rates[0] = 12.0;
    return true;
  };
  const QString name = QString::fromUtf8("Caf\u00e9 Ros\u00e9");
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [&](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->clear();
    editor.Field(EditField::Name)->insert(name);
    // A character the book cannot hold is refused as it is typed or pasted.
    editor.Field(EditField::Name)->insert(QString::fromUtf8("\u20ac"));
    editor.Field(EditField::WebSite)->setText("example.org");
    editor.Button(EditButton::Lookup)->click();
    editor.Button(EditButton::Next)->click();
    EXPECT_EQ(Text(editor, EditField::Name), name);
    editor.Button(EditButton::Next)->click();
    EXPECT_EQ(Text(editor, EditField::Name), "second");
    EXPECT_EQ(setup.list->SelectedRows(), (std::vector<int>{1}));
    editor.Button(EditButton::Next)->click();
    EXPECT_FALSE(editor.Button(EditButton::Next)->isEnabled());  // the last entry
    editor.OnPrevious();
    editor.Field(EditField::Name)->setText("second, renamed");
    editor.Button(EditButton::Cancel)->click();
  });
  test::ExpectShown(setup.prompter,
                    {res::kAskSavePersonalInformation, res::kAskSavePersonalInformation,
                     res::kAskSavePersonalInformation});
  EXPECT_EQ(result, EditResult::Written);
  const data::PdbRecord stored = setup.At(0);
  EXPECT_EQ(ReadField(stored.name), "Caf\xe9 Ros\xe9");
  EXPECT_EQ(ReadField(stored.webSite), "example.org");
  EXPECT_EQ(stored.rates[0].initial, 12.0);
  EXPECT_EQ(stored.ratesChanged, 1);
  EXPECT_NE(stored.lastOpened, 0);
  EXPECT_EQ(ReadField(setup.At(1).name), "second, renamed");
  EXPECT_EQ(setup.Names(), (QStringList{name, "second, renamed", "third"}));
  setup.Open(PdbEditMode::Edit, 0, [&](CPdbEditDlg& editor) {
    EXPECT_EQ(editor.Field(EditField::Name)->text(), name);
    editor.reject();
  });
}

TEST(PdbEditDialog, EmptyStateIsLookedUpAndWrittenBackOnlyForTheEntryItself) {
  data::PdbRecord e = Entry("Family", "Aunt May", "555");
  data::WriteField(e.state, "");
  data::WriteField(e.stateCode, "ON");
  EditorSetup setup({e});
  setup.book.db.WriteFile(
      data::kNorthAmericanStates,
      test::EncodedImage({test::MakeState("ON", "Ontario", "011")}, data::EncodeState));
  ASSERT_TRUE(setup.sample.northAmericanStates.Open(data::kNorthAmericanStates));
  const std::string before = setup.Stored();
  auto showsOntario = [](CPdbEditDlg& editor) {
    EXPECT_EQ(Text(editor, EditField::State), "Ontario");
    editor.reject();
  };
  setup.Open(PdbEditMode::Duplicate, 0, showsOntario);
  EXPECT_EQ(setup.Stored(), before);
  setup.Open(PdbEditMode::Edit, 0, showsOntario);
  EXPECT_EQ(ReadField(setup.At(0).state), "Ontario");
  EXPECT_EQ(ReadField(setup.At(0).name), "Aunt May");
}

// Opening resets rates of -1, which is no change; letters in the number offer Convert; Enter
// in Name does not close; the memo, contact log, print and call buttons get the stored entry;
// OK without changes writes nothing.
TEST(PdbEditDialog, AnUnchangedEntryOpensItsDialogsAndOkWritesNothing) {
  EditorSetup setup({Entry("Caf\xE9", "Aunt May", "CALL")});
  QString title, phone;
  long printed = -1;
  std::vector<rating::CallScreenMode> modes;
  std::string memoName;
  setup.openers.memoViewer = [&](data::PdbRecord& e, QWidget*) { memoName = ReadField(e.name); };
  setup.openers.contactLog = [&](long, data::PdbRecord&, const QString& t, const QString& p,
                                 QWidget*) {
    title = t;
    phone = p;
  };
  setup.openers.printRecord = [&](long position, data::PdbKind, QWidget*) { printed = position; };
  setup.openers.callScreen = [&](long, data::PdbRecord&, data::PdbKind, rating::CallScreenMode mode,
                                 QWidget*) { modes.push_back(mode); };
  const std::string before = setup.Stored();
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [&setup](CPdbEditDlg& editor) {
    editor.Button(EditButton::Convert)->click();
    EXPECT_EQ(setup.nestedDialogs, 1);
    EXPECT_TRUE(editor.ShowsSampleWarning());
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.Field(EditField::Name)->setFocus();
    QTest::keyClick(editor.Field(EditField::Name), Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    editor.Field(EditField::Name)->setText("not saved");
    for (EditButton b : {EditButton::ViewMemo, EditButton::ContactLog, EditButton::PrintRecord})
      editor.Button(b)->click();
    editor.Field(EditField::Name)->setText("Aunt May");
    editor.Button(EditButton::TimeACall)->click();
    editor.Button(EditButton::ManualEntry)->click();
    editor.Button(EditButton::Ok)->click();
  });
  EXPECT_EQ(memoName, "Aunt May");
  EXPECT_EQ(title, QString::fromLatin1("Caf\xE9 - Aunt May"));
  EXPECT_EQ(phone, "416.CALL.0100");
  EXPECT_EQ(printed, 0);
  EXPECT_EQ(modes, (std::vector<rating::CallScreenMode>{rating::CallScreenMode::Timing,
                                                        rating::CallScreenMode::ManualEntry}));
  EXPECT_EQ(result, EditResult::NothingWritten);
  EXPECT_EQ(setup.Stored(), before);
}

// A copy keeps location and rates but no identity (the rules' table). A call on it appends it
// and logs the call against it; a change after the call, saved with Yes on Next, rewrites it in
// place; the next entry is duplicated in its turn; the originals stay as stored.
TEST(PdbEditDialog, DuplicatesAreAppendedOnceWithTheirCallsLeavingTheOriginals) {
  EditorSetup setup({Callable(Entry("A", "first", "111")), Callable(Entry("B", "second", "222"))});
  const std::string originals = setup.Stored();
  setup.UseCallScreen();
  setup.prompter.Answer(QMessageBox::Yes);
  setup.Open(PdbEditMode::Duplicate, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("copy");
    editor.Field(EditField::Prefix)->setText("556");
    editor.Field(EditField::Suffix)->setText("0101");
    editor.Button(EditButton::ManualEntry)->click();
    editor.Field(EditField::Name)->setText("copy, renamed");
    editor.OnNext();
    EXPECT_EQ(Text(editor, EditField::Name), "");
    editor.Button(EditButton::ManualEntry)->click();
    editor.reject();
  });
  test::ExpectShown(setup.prompter, {res::kAskSavePersonalInformation});
  EXPECT_EQ(setup.Stored().substr(0, originals.size()), originals);
  EXPECT_EQ(ReadField(setup.At(2).name), "copy, renamed");
  const auto calls = setup.Calls();
  ASSERT_EQ(calls.size(), 2u);
  for (long copy : {2, 3}) {
    EXPECT_NE(setup.At(copy).memoFileNumber, 0u);
    EXPECT_EQ(calls[copy - 2].first.memoFileNumber, setup.At(copy).memoFileNumber);
    EXPECT_EQ(calls[copy - 2].second, "memo");
  }
  EXPECT_EQ(ReadField(calls[0].first.name), "copy");
  EXPECT_EQ(setup.Names(), (QStringList{"", "copy, renamed", "first", "second"}));
}

// A new entry can be called once a lookup gave it rates and both phone parts are there; the
// call appends it and logs the call at its rates; OK then rewrites it in place. Later, No to
// the close question after a call wrote it keeps what was written, not the later change.
TEST(PdbEditDialog, ANewEntryIsLookedUpCalledAndListedOnce) {
  EditorSetup setup({});
  setup.prompter.Answer(QMessageBox::Ok);
  setup.prompter.Answer(QMessageBox::No);
  int lookups = 0;
  setup.openers.lookupData = [&lookups](data::RateFile&, QWidget*) {
    ++lookups;
    pdb::LookupChoice denver;
    denver.location = {"Denver", "CO", "Colorado", "80201", "303", "United States", "1", "", 0, 0};
    denver.service = pdb::LookupService::Residential;
    denver.serviceIndex = 0;
    return std::optional<pdb::LookupChoice>(denver);
  };
  setup.UseCallScreen();
  EditResult result = setup.Open(PdbEditMode::Add, -1, [&](CPdbEditDlg& editor) {
    UseFakeSources(editor);
    editor.Field(EditField::Name)->setText("Pizza");
    editor.Field(EditField::Prefix)->setText("555");
    editor.Field(EditField::Suffix)->setText("0100");
    // Leaving the Address field before any lookup explains and runs it.
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.Field(EditField::Address1)->setFocus();
    editor.Field(EditField::Note)->setFocus();
    EXPECT_EQ(lookups, 1);
    editor.Button(EditButton::ManualEntry)->click();
    EXPECT_EQ(editor.Place().Position(), 0);
    editor.Field(EditField::Name)->setText("Pizza Place");
    editor.OnOk();
  });
  EXPECT_EQ(result, EditResult::Written);
  EXPECT_EQ(ReadField(setup.At(0).city), "Denver");
  const auto calls = setup.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(ReadField(calls[0].first.name), "Pizza");
  // The service's first minute at 10 cents and the next at 5.
  EXPECT_EQ(calls[0].first.cost, 15.0);
  EXPECT_EQ(calls[0].second, "memo");
  EXPECT_EQ(setup.Names(), (QStringList{"Pizza Place"}));

  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("Pizza, called");
    editor.Button(EditButton::ManualEntry)->click();
    editor.Field(EditField::Name)->setText("declined");
    editor.reject();
  });
  test::ExpectShown(setup.prompter, {res::kEditLookupAdvice, res::kAskSavePersonalInformation});
  EXPECT_EQ(ReadField(setup.At(0).name), "Pizza, called");
  EXPECT_EQ(setup.Names(), (QStringList{"Pizza, called"}));
}
