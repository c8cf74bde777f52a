#include <gtest/gtest.h>

#include <optional>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

#include "support/Prompter.h"
#include "data/CallLog.h"
#include "support/FakeMemoCounter.h"
#include "data/FixedText.h"
#include "support/RecordingNotices.h"
#include "support/SampleFixture.h"
#include "pdb/CPdbEditDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/FakeEditSources.h"
#include "pdb/PdbTestBook.h"
#include "platform/Messages.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "res/Strings.h"

using namespace dorv;
using data::ReadField;
using data::WriteField;
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
  dorv::test::Prompter prompter;
  EditResult lastResult = EditResult::WriteFailed;
  int nestedDialogs = 0;
  // The real call screen over the book, for the paths that log a call.
  test::FakeMemoCounter counter;
  test::RecordingNotices notices;
  data::CallLogFile callLog{notices};
  data::CallLogRecord currentCall{};
  std::time_t clock = 1772618400;  // 4 March 2026, 10:00 UTC: March in every time zone

  explicit EditorSetup(std::vector<data::PdbRecord> entries) {
    prompter.AnswerAllWith(QMessageBox::Ok);
    for (data::PdbRecord& e : entries) book.pdb.Append(e, data::PdbKind::Toll);
    pdb::PdbListOpeners listOpeners;
    listOpeners.editor = [this](const pdb::EditorRequest& request) {
      lastResult = pdb::RunPdbEdit(request, {book.pdb, book.myInfo, sample, hours}, openers);
      return lastResult;
    };
    list = std::make_unique<pdb::CPdbListDlg>(book.pdb, book.myInfo, data::PdbKind::Toll,
                                              std::move(listOpeners));
    list->show();
    list->OnLoadTimer();
    platform::SetModalHook([this](QDialog& dialog) {
      if (auto* screen = dynamic_cast<rating::CCallScreenDlg*>(&dialog)) return MakeCall(*screen);
      auto* editor = dynamic_cast<CPdbEditDlg*>(&dialog);
      if (!editor) {
        ++nestedDialogs;
        return 1;
      }
      editor->show();
      script(*editor);
      return editor->result();
    });
  }
  ~EditorSetup() { platform::SetModalHook({}); }

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
    QStringList names;
    for (int i = 0; i < list->Rows().rowCount(); ++i) names << list->Rows().Row(i)->Text(1);
    names.sort();
    return names;
  }
};

// A lookup that picks Denver and one service with rates from the fakes.
void WireLookup(EditorSetup& setup, int& lookups) {
  setup.openers.lookupData = [&lookups](data::RateFile&, QWidget*) {
    ++lookups;
    pdb::LookupChoice r;
    r.location = {"Denver", "CO", "Colorado", "80201", "303", "United States", "1", "", 0, 0};
    r.service = pdb::LookupService::Residential;
    r.serviceIndex = 0;
    return std::optional<pdb::LookupChoice>(r);
  };
}

void UseFakeSources(CPdbEditDlg& editor, bool wholeDay = false) {
  auto services = std::make_unique<test::FakeServices>();
  services->service.initialInterval = 60;
  services->service.additionalInterval = 60;
  services->rows = {test::MakeRateRow("", "", 100, {1000, 500, 750, 400, 0, 0})};
  auto bandSets = std::make_unique<test::FakeBandSets>();
  bandSets->sets[""] = wholeDay ? test::MakeBandSet("", "Day", {2400, 2400, 2400, 2400, 2400, 2400})
               : test::MakeBandSet("", "Day", {800, 1700, 0, 0, 0, 0});
  editor.SetSources(std::move(services), std::move(bandSets));
}

}  // namespace

TEST(PdbEditDialog, EnterInNameMovesOnAndOkWithoutChangesWritesNothing) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  const std::string before = setup.Stored();
  const QString rowName = setup.list->Rows().Row(0)->Text(1);
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    EXPECT_EQ(editor.windowTitle().left(33), "Dorv - (PDB Edit Selected Record ");
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.Field(EditField::Name)->setFocus();
    QTest::keyClick(editor.Field(EditField::Name), Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), editor.Field(EditField::Contact));
    editor.Button(EditButton::Ok)->click();
  });
  EXPECT_EQ(result, EditResult::NothingWritten);
  EXPECT_EQ(setup.Stored(), before);
  EXPECT_EQ(setup.list->Rows().Row(0)->Text(1), rowName);
  EXPECT_TRUE(setup.prompter.Shown().empty());
}

TEST(PdbEditDialog, OnlyTheWebSiteChangedWritesTheEntry) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::WebSite)->setText("example.org");
    editor.OnOk();
  });
  EXPECT_EQ(result, EditResult::Written);
  data::PdbRecord stored = setup.At(0);
  EXPECT_EQ(ReadField(stored.webSite), "example.org");
  EXPECT_EQ(ReadField(stored.name), "Aunt May");
  EXPECT_NE(stored.lastOpened, 0);
  EXPECT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 1);
}

TEST(PdbEditDialog, AccentedTextsAreStoredOneByteEachAndShownAsTypedEverywhere) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  const QString name = QString::fromUtf8("Caf\u00e9 Ros\u00e9");
  setup.Open(PdbEditMode::Edit, 0, [&](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->clear();
    editor.Field(EditField::Name)->insert(name);
    // A character the book cannot hold is refused as it is typed or pasted.
    editor.Field(EditField::Name)->insert(QString::fromUtf8("\u20ac"));
    EXPECT_EQ(editor.Field(EditField::Name)->text(), name);
    editor.OnOk();
  });
  EXPECT_EQ(ReadField(setup.At(0).name), "Caf\xe9 Ros\xe9");
  EXPECT_EQ(setup.Names(), QStringList{name});
  setup.Open(PdbEditMode::Edit, 0, [&](CPdbEditDlg& editor) {
    EXPECT_EQ(editor.Field(EditField::Name)->text(), name);
    editor.reject();
  });
}

TEST(PdbEditDialog, DuplicateKeepsLocationAndRatesButNoIdentityAndIsAppended) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  const std::string before = setup.Stored();
  EditResult result = setup.Open(PdbEditMode::Duplicate, 0, [](CPdbEditDlg& editor) {
    for (EditField f : {EditField::Type, EditField::Name, EditField::Contact, EditField::Address1,
                        EditField::Prefix, EditField::Suffix, EditField::WebSite, EditField::Note})
      EXPECT_EQ(Text(editor, f), "");
    EXPECT_EQ(Text(editor, EditField::City), "Toronto");
    EXPECT_EQ(Text(editor, EditField::AreaCode), "416");
    EXPECT_EQ(Text(editor, EditField::Telco), "Sample Telco");
    EXPECT_EQ(editor.RateField(0, 1)->text(), "10");
    editor.Field(EditField::Name)->setText("Uncle Ben");
    editor.OnOk();
  });
  EXPECT_EQ(result, EditResult::Written);
  ASSERT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 2);
  EXPECT_EQ(setup.Stored().substr(0, sizeof(data::PdbRecord)), before);
  data::PdbRecord copy = setup.At(1);
  EXPECT_EQ(ReadField(copy.name), "Uncle Ben");
  EXPECT_EQ(ReadField(copy.type), "");
  EXPECT_EQ(copy.memoFileNumber, 0u);
  EXPECT_EQ(copy.rates[1].initial, 7.5);
  EXPECT_EQ(setup.Names(), (QStringList{"Aunt May", "Uncle Ben"}));
}

TEST(PdbEditDialog, EmptyStateIsLookedUpAndWrittenBackOnlyForTheEntryItself) {
  data::PdbRecord e = Entry("Family", "Aunt May", "555");
  WriteField(e.state, "");
  WriteField(e.stateCode, "ON");
  EditorSetup setup({e});
  setup.book.db.WriteFile(data::kNorthAmericanStates,
                          test::EncodedImage({test::MakeState("ON", "Ontario", "011")},
                                             data::EncodeState));
  ASSERT_TRUE(setup.sample.northAmericanStates.Open(data::kNorthAmericanStates));
  const std::string before = setup.Stored();
  setup.Open(PdbEditMode::Duplicate, 0, [](CPdbEditDlg& editor) {
    EXPECT_EQ(Text(editor, EditField::State), "Ontario");
    editor.reject();
  });
  EXPECT_EQ(setup.Stored(), before);
  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    EXPECT_EQ(Text(editor, EditField::State), "Ontario");
    editor.reject();
  });
  EXPECT_EQ(ReadField(setup.At(0).state), "Ontario");
  EXPECT_EQ(ReadField(setup.At(0).name), "Aunt May");
}

// Which countries get the access and country codes is the rules' table; the editor asks them
// with the user's own country.
TEST(PdbEditDialog, CanadaShowsAccessAndCountryCodeToAUserAbroad) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  WriteField(setup.book.myInfo.country, "France");
  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    EXPECT_EQ(Text(editor, EditField::IntlAccess), "011");
    EXPECT_EQ(Text(editor, EditField::CountryCode), "1");
    editor.reject();
  });
}

TEST(PdbEditDialog, RatesOfMinusOneShowEmptyAndDiscountsCompareWithBandOne) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    EXPECT_EQ(editor.RateField(1, 0)->text(), "");
    EXPECT_EQ(editor.RateField(2, 1)->text(), "07");
    EXPECT_EQ(editor.DiscountField(0)->text(), "25%");
    EXPECT_TRUE(editor.ShowsSampleWarning());
    editor.reject();
  });
  // Resetting -1.0 to 0 for the screen is no change of the entry.
  EXPECT_EQ(setup.lastResult, EditResult::NothingWritten);
  EXPECT_TRUE(setup.prompter.Shown().empty());
}

TEST(PdbEditDialog, PrefixWithLettersShowsConvert) {
  EditorSetup setup({Entry("Family", "Aunt May", "CALL")});
  setup.Open(PdbEditMode::Edit, 0, [&setup](CPdbEditDlg& editor) {
    QPushButton* convert = editor.Button(EditButton::Convert);
    EXPECT_TRUE(convert->isVisible());
    editor.Field(EditField::Prefix)->clear();
    EXPECT_FALSE(convert->isVisible());
    editor.Field(EditField::Suffix)->setText("HOME");
    editor.Field(EditField::Prefix)->setText("555");
    EXPECT_TRUE(convert->isVisible());
    convert->click();
    EXPECT_EQ(setup.nestedDialogs, 1);
    editor.reject();
  });
}

TEST(PdbEditDialog, CancelAsksWhenChangedAndEndsAsAnswered) {
  EditorSetup setup({Entry("Family", "Aunt May", "555")});
  const std::string before = setup.Stored();
  setup.prompter.Answer(QMessageBox::Cancel);
  setup.prompter.Answer(QMessageBox::No);
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("Aunt June");
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_TRUE(editor.isVisible());
    editor.Button(EditButton::Cancel)->click();
    EXPECT_FALSE(editor.isVisible());
  });
  EXPECT_EQ(result, EditResult::NothingWritten);
  EXPECT_EQ(setup.Stored(), before);
  EXPECT_EQ(setup.prompter.Shown(),
            (std::vector<QString>(2, res::kAskSavePersonalInformation)));

  setup.prompter.Answer(QMessageBox::Yes);
  result = setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("Aunt June");
    editor.close();
  });
  EXPECT_EQ(result, EditResult::Written);
  EXPECT_EQ(ReadField(setup.At(0).name), "Aunt June");
  EXPECT_EQ(setup.Names(), (QStringList{"Aunt June"}));
}

TEST(PdbEditDialog, PreviousAndNextStepThroughTheListSavingWhenAsked) {
  EditorSetup setup({Entry("A", "first", "111"), Entry("B", "second", "222"),
                     Entry("C", "third", "333")});
  setup.prompter.Answer(QMessageBox::Yes);
  setup.Open(PdbEditMode::Edit, 0, [&setup](CPdbEditDlg& editor) {
    EXPECT_FALSE(editor.Button(EditButton::Previous)->isEnabled());
    editor.Button(EditButton::Next)->click();
    // Nothing changed: no question.
    EXPECT_TRUE(setup.prompter.Shown().empty());
    EXPECT_EQ(Text(editor, EditField::Name), "second");
    EXPECT_EQ(setup.list->SelectedRows(), (std::vector<int>{1}));
    EXPECT_TRUE(editor.Button(EditButton::Previous)->isEnabled());
    editor.Field(EditField::Name)->setText("second, renamed");
    editor.Button(EditButton::Next)->click();
    EXPECT_EQ(setup.prompter.Shown().size(), 1u);
    EXPECT_EQ(Text(editor, EditField::Name), "third");
    EXPECT_FALSE(editor.Button(EditButton::Next)->isEnabled());
    editor.OnPrevious();
    EXPECT_EQ(Text(editor, EditField::Name), "second, renamed");
    editor.OnOk();
  });
  EXPECT_EQ(setup.lastResult, EditResult::NothingWritten);
  EXPECT_EQ(ReadField(setup.At(1).name), "second, renamed");
  EXPECT_EQ(setup.Names(), (QStringList{"first", "second, renamed", "third"}));
  EXPECT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 3);
}

TEST(PdbEditDialog, ADuplicateLeftWithYesIsAppendedAndListed) {
  EditorSetup setup({Entry("A", "first", "111"), Entry("B", "second", "222")});
  const std::string before = setup.Stored();
  setup.prompter.Answer(QMessageBox::Yes);
  setup.Open(PdbEditMode::Duplicate, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("copy of first");
    editor.OnNext();
    // The next entry is duplicated in its turn.
    EXPECT_EQ(Text(editor, EditField::Name), "");
    EXPECT_EQ(Text(editor, EditField::City), "Toronto");
    editor.reject();
  });
  EXPECT_EQ(setup.Stored().substr(0, before.size()), before);
  ASSERT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 3);
  EXPECT_EQ(ReadField(setup.At(2).name), "copy of first");
  EXPECT_EQ(setup.Names(), (QStringList{"copy of first", "first", "second"}));
}

TEST(PdbEditDialog, AddNeedsALookupAndBothPhonePartsBeforeTimingACallThatAppendsOnce) {
  EditorSetup setup({});
  int lookups = 0;
  int calls = 0;
  long calledPosition = -2;
  WireLookup(setup, lookups);
  setup.openers.callScreen = [&](long position, data::PdbRecord&, data::PdbKind,
                                 rating::CallScreenMode mode,
                                 QWidget*) {
    ++calls;
    calledPosition = position;
    EXPECT_EQ(mode, rating::CallScreenMode::Timing);
  };
  EditResult result = setup.Open(PdbEditMode::Add, -1, [&](CPdbEditDlg& editor) {
    EXPECT_EQ(editor.windowTitle(), "Dorv - (PDB Add New Record)");
    EXPECT_FALSE(editor.Button(EditButton::Next)->isVisible());
    EXPECT_EQ(editor.Button(EditButton::Lookup)->text(), res::kButtonLookupData);
    QPushButton* time = editor.Button(EditButton::TimeACall);
    editor.Field(EditField::Prefix)->setText("555");
    editor.Field(EditField::Suffix)->setText("0100");
    EXPECT_FALSE(time->isEnabled());
    UseFakeSources(editor);
    editor.Field(EditField::Suffix)->clear();
    editor.Button(EditButton::Lookup)->click();
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(Text(editor, EditField::City), "Denver");
    EXPECT_EQ(editor.RateField(0, 1)->text(), "10");
    EXPECT_EQ(editor.Button(EditButton::Lookup)->text(), res::kButtonChangeData);
    EXPECT_FALSE(time->isEnabled());
    editor.Field(EditField::Suffix)->setText("0100");
    EXPECT_TRUE(time->isEnabled());
    editor.Field(EditField::Name)->setText("Pizza");
    time->click();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(calledPosition, 0);
    EXPECT_EQ(editor.Place().Position(), 0);
    editor.Field(EditField::Name)->setText("Pizza Place");
    editor.OnOk();
  });
  EXPECT_EQ(result, EditResult::Written);
  ASSERT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 1);
  EXPECT_EQ(ReadField(setup.At(0).name), "Pizza Place");
  EXPECT_EQ(ReadField(setup.At(0).city), "Denver");
  EXPECT_EQ(setup.Names(), (QStringList{"Pizza Place"}));
}

TEST(PdbEditDialog, ButtonsWithoutTheirDialogsStayDisabled) {
  EditorSetup setup({Entry("A", "first", "111")});
  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    for (EditButton b : {EditButton::Lookup, EditButton::TimeACall, EditButton::ManualEntry,
                         EditButton::ViewMemo, EditButton::ContactLog, EditButton::PrintRecord})
      EXPECT_FALSE(editor.Button(b)->isEnabled());
    EXPECT_EQ(editor.Button(EditButton::Lookup)->text(), res::kButtonChangeData);
    editor.reject();
  });
}

TEST(PdbEditDialog, ChangeDataTakesTheReturnedRatesAndEndsTheSampleWarning) {
  EditorSetup setup({Entry("A", "first", "111")});
  setup.openers.changeData = [](pdb::ChangeDataValues& values, QWidget*) {
    EXPECT_EQ(values.city, "Toronto");
    values.rates[0] = 12.0;
    return true;
  };
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Button(EditButton::Lookup)->click();
    EXPECT_EQ(editor.RateField(0, 1)->text(), "12");
    EXPECT_FALSE(editor.ShowsSampleWarning());
    editor.OnOk();
  });
  EXPECT_EQ(result, EditResult::Written);
  EXPECT_EQ(setup.At(0).rates[0].initial, 12.0);
  EXPECT_EQ(setup.At(0).ratesChanged, 1);
}

TEST(PdbEditDialog, ACancelledStepKeepsTheChangeForOk) {
  EditorSetup setup({Entry("A", "first", "111"), Entry("B", "second", "222")});
  setup.prompter.Answer(QMessageBox::Cancel);
  EditResult result = setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("first, renamed");
    editor.OnNext();
    EXPECT_EQ(Text(editor, EditField::Name), "first, renamed");
    editor.OnOk();
  });
  EXPECT_EQ(result, EditResult::Written);
  EXPECT_EQ(ReadField(setup.At(0).name), "first, renamed");
  EXPECT_EQ(setup.Names(), (QStringList{"first, renamed", "second"}));
}

TEST(PdbEditDialog, MemoContactLogPrintAndManualEntryGetTheEntry) {
  EditorSetup setup({Entry("Caf\xE9", "Aunt May", "555")});
  QString title, phone;
  long printed = -1;
  std::optional<rating::CallScreenMode> manualMode;
  std::string memoName;
  setup.openers.memoViewer = [&](data::PdbRecord& e, QWidget*) { memoName = ReadField(e.name); };
  setup.openers.contactLog = [&](long, data::PdbRecord&, const QString& t, const QString& p,
                                 QWidget*) {
    title = t;
    phone = p;
  };
  setup.openers.printRecord = [&](long position, data::PdbKind, QWidget*) { printed = position; };
  setup.openers.callScreen = [&](long, data::PdbRecord&, data::PdbKind,
                                 rating::CallScreenMode mode, QWidget*) {
    manualMode = mode;
  };
  const std::string before = setup.Stored();
  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("not saved");
    for (EditButton b : {EditButton::ViewMemo, EditButton::ContactLog, EditButton::PrintRecord})
      editor.Button(b)->click();
    editor.Field(EditField::Name)->setText("Aunt May");
    editor.Button(EditButton::ManualEntry)->click();
    editor.reject();
  });
  EXPECT_EQ(memoName, "Aunt May");
  EXPECT_EQ(title, QString::fromLatin1("Caf\xE9 - Aunt May"));
  EXPECT_EQ(phone, "416.555.0100");
  EXPECT_EQ(printed, 0);
  EXPECT_EQ(manualMode, rating::CallScreenMode::ManualEntry);
  // Manual Entry on an unchanged entry writes nothing.
  EXPECT_EQ(setup.Stored(), before);
}

TEST(PdbEditDialog, CallsOnDuplicatesAreLoggedAgainstAppendedCopiesAndOriginalsStayAsStored) {
  EditorSetup setup({Callable(Entry("A", "first", "111")), Callable(Entry("B", "second", "222"))});
  const std::string originals = setup.Stored();
  setup.UseCallScreen();
  setup.Open(PdbEditMode::Duplicate, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("copy");
    editor.Field(EditField::Prefix)->setText("556");
    editor.Field(EditField::Suffix)->setText("0101");
    editor.Button(EditButton::ManualEntry)->click();
    // The next entry's copy is called untouched.
    editor.OnNext();
    editor.Button(EditButton::ManualEntry)->click();
    editor.reject();
  });
  ASSERT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 4);
  EXPECT_EQ(setup.Stored().substr(0, originals.size()), originals);
  EXPECT_EQ(ReadField(setup.At(2).name), "copy");
  const auto calls = setup.Calls();
  ASSERT_EQ(calls.size(), 2u);
  for (long copy : {2, 3}) {
    EXPECT_NE(setup.At(copy).memoFileNumber, 0u);
    EXPECT_EQ(calls[copy - 2].first.memoFileNumber, setup.At(copy).memoFileNumber);
    EXPECT_EQ(calls[copy - 2].second, "memo");
  }
  EXPECT_EQ(ReadField(calls[0].first.name), "copy");
  EXPECT_EQ(setup.Names(), (QStringList{"", "copy", "first", "second"}));
}

TEST(PdbEditDialog, AManualEntryOnANewEntryLogsItsCallAtItsRatesAndListsItOnce) {
  EditorSetup setup({});
  int lookups = 0;
  WireLookup(setup, lookups);
  setup.UseCallScreen();
  setup.Open(PdbEditMode::Add, -1, [&](CPdbEditDlg& editor) {
    UseFakeSources(editor, true);
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
    editor.OnOk();
  });
  EXPECT_EQ(setup.prompter.Shown(), std::vector<QString>{res::kEditLookupAdvice});
  ASSERT_EQ(setup.book.pdb.Count(data::PdbKind::Toll), 1);
  const auto calls = setup.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(ReadField(calls[0].first.name), "Pizza");
  // The service's first minute at 10 cents and the next at 5.
  EXPECT_EQ(calls[0].first.cost, 15.0);
  EXPECT_EQ(calls[0].second, "memo");
  EXPECT_EQ(setup.Names(), (QStringList{"Pizza"}));
}

TEST(PdbEditDialog, AnEditDeclinedAfterAnEarlierWriteIsNotListed) {
  EditorSetup setup({Callable(Entry("A", "first", "111"))});
  setup.UseCallScreen();
  setup.prompter.Answer(QMessageBox::No);
  setup.Open(PdbEditMode::Edit, 0, [](CPdbEditDlg& editor) {
    editor.Field(EditField::Name)->setText("first, called");
    editor.Button(EditButton::ManualEntry)->click();
    editor.Field(EditField::Name)->setText("declined");
    editor.reject();
  });
  EXPECT_EQ(ReadField(setup.At(0).name), "first, called");
  EXPECT_EQ(setup.Names(), (QStringList{"first, called"}));
}
