#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QTest>
#include <filesystem>

#include "support/Prompter.h"
#include "app/MainFrame.h"
#include "pdb/CAlphaConvertDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/CTelcoAccessDlg.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CCallLogDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CRecurringChargesDlg.h"
#include "settings/CMyAdvancedDlg.h"
#include "support/FakeMemoCounter.h"
#include "data/FixedText.h"
#include "support/SampleFixture.h"
#include "support/TempDatabase.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "platform/Calculator.h"
#include "platform/Messages.h"
#include "res/Strings.h"
#include "settings/CMyInfoDlg.h"

using namespace dorv;

namespace {

// A frame started on a fresh data directory.
struct StartedFrame {
  test::TempDatabase db;
  app::DataFiles files;
  std::unique_ptr<app::CMainFrame> frame;
  StartedFrame() {
    db.WriteFile("DORV22", "");
    db.WriteFile("DORV23", "");
    test::WriteMinimalSampleFiles(db);
    test::WriteStoredSettings(db);
    files.memoCounter = std::make_unique<test::FakeMemoCounter>();
    frame = std::make_unique<app::CMainFrame>(files, [] { return true; });
    EXPECT_TRUE(frame->OnCreate());
  }
};

}  // namespace

TEST(MainMenu, CalculatorTriesEachProgramThenSaysNoneStarted) {
  std::vector<QString> tried;
  EXPECT_FALSE(platform::StartCalculator([&](const QString& p) { return tried.push_back(p), false; }));
  EXPECT_EQ(tried.size(), static_cast<std::size_t>(platform::CalculatorPrograms().size()));
  tried.clear();
  EXPECT_TRUE(platform::StartCalculator(
      [&](const QString& p) { return tried.push_back(p), p == "galculator"; }));
  EXPECT_EQ(tried.back(), "galculator");

  StartedFrame started;
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  started.frame->SetProgramStarter([](const QString&) { return false; });
  started.frame->OnCalculator();
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorNoCalculator));
  started.frame->SetProgramStarter([](const QString&) { return true; });
  started.frame->OnCalculator();
  EXPECT_EQ(prompter.Shown().size(), 1u);
}

TEST(MainMenu, PrinterShowsTheSystemPrintSetupWithoutFileOrRanges) {
  StartedFrame started;
  bool shown = false;
  platform::SetModalHook([&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    EXPECT_NE(print, nullptr);
    if (print) {
      EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintToFile));
      EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintPageRange));
      EXPECT_FALSE(print->testOption(QAbstractPrintDialog::PrintSelection));
    }
    shown = true;
    return 0;
  });
  started.frame->OnPrinter();
  platform::SetModalHook({});
  EXPECT_TRUE(shown);
}

TEST(MainMenu, ContentsShowsTheGuideInOneWindow) {
  StartedFrame started;
  started.frame->OnHelpContents();
  app::HelpWindow* help = started.frame->Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->Browser()->toPlainText().contains(res::kMenuToll));
  started.frame->OnHelpContents();
  EXPECT_EQ(started.frame->Help(), help);
}

TEST(MainMenu, PersonalDatabaseCommandsOpenTheListOfTheirBook) {
  StartedFrame started;
  std::vector<QString> captions;
  platform::SetModalHook([&](QDialog& dialog) {
    EXPECT_NE(qobject_cast<pdb::CPdbListDlg*>(&dialog), nullptr);
    captions.push_back(dialog.windowTitle());
    return 1;
  });
  started.frame->OnToll();
  started.frame->OnTollFree();
  started.frame->OnAudioTex();
  platform::SetModalHook({});
  ASSERT_EQ(captions.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(captions[i].contains(res::kBookNames[i])) << i;
}

TEST(MainMenu, ConvertAlphaOpensTheConversionEmpty) {
  StartedFrame started;
  int shown = 0;
  platform::SetModalHook([&](QDialog& dialog) {
    auto* convert = qobject_cast<pdb::CAlphaConvertDlg*>(&dialog);
    EXPECT_NE(convert, nullptr);
    if (convert) {
      EXPECT_TRUE(convert->AlphaField()->text().isEmpty());
    }
    return ++shown;
  });
  started.frame->OnAlphaConvert();
  platform::SetModalHook({});
  EXPECT_EQ(shown, 1);
}

TEST(MainMenu, LookupAndTelcoCommandsOpenTheirDialogsInTheViewRole) {
  StartedFrame started;
  std::vector<QString> buttons;
  platform::SetModalHook([&](QDialog& dialog) {
    if (auto* lookup = qobject_cast<pdb::CSampleLookupDlg*>(&dialog))
      buttons.push_back(lookup->OkButton()->text());
    if (auto* telco = qobject_cast<pdb::CTelcoAccessDlg*>(&dialog)) {
      buttons.push_back(telco->OkButton()->text());
      EXPECT_EQ(telco->List()->Model()->rowCount(), 1);  // the one company of the test files
    }
    return 2;
  });
  started.frame->OnSampleLookup();
  started.frame->OnTelcoAccess();
  platform::SetModalHook({});
  EXPECT_EQ(buttons, (std::vector<QString>{res::kButtonClose, res::kButtonClose}));
}

TEST(MainMenu, PersonalPreferencesOpensThePersonalInformationWithTheFramesPickers) {
  StartedFrame started;
  QAction* preferences = nullptr;
  for (QAction* item : started.frame->menuBar()->actions()[4]->menu()->actions())
    if (item->text() == res::kMenuPersonalPreferences) preferences = item;
  ASSERT_NE(preferences, nullptr);
  EXPECT_TRUE(preferences->isEnabled());

  std::vector<bool> lookupEnabled;
  platform::SetModalHook([&](QDialog& dialog) {
    EXPECT_NE(qobject_cast<settings::CMyInfoDlg*>(&dialog), nullptr);
    // Not the first-time setup: the dialling information can be opened.
    EXPECT_TRUE(dialog.findChild<QPushButton*>("dialingInformation")->isEnabled());
    lookupEnabled.push_back(dialog.findChild<QPushButton*>("lookupLocation")->isEnabled());
    return 2;
  });
  preferences->trigger();
  started.frame->SetMyInfoOpeners({});
  started.frame->OnPersonalPreferences();
  platform::SetModalHook({});
  // The frame's own pickers are the lookups; without pickers the button stays disabled.
  EXPECT_EQ(lookupEnabled, (std::vector<bool>{true, false}));
}

TEST(MainMenu, PersonalInformationPicksWithTheLookupAndTheCompanyList) {
  StartedFrame started;
  platform::SetModalHook([](QDialog& dialog) {
    if (auto* lookup = qobject_cast<pdb::CSampleLookupDlg*>(&dialog)) {
      EXPECT_EQ(lookup->OkButton()->text(), res::kButtonOk);  // the select role
      lookup->SearchField()->setText("New York");
      lookup->Search(data::SearchCriterion::City);
      lookup->List()->setCurrentIndex(lookup->List()->Model()->index(0, 0));
      QMetaObject::invokeMethod(lookup->OkButton(), "click");
      return lookup->result();
    }
    auto* telco = qobject_cast<pdb::CTelcoAccessDlg*>(&dialog);
    EXPECT_NE(telco, nullptr);
    if (!telco) return 2;
    EXPECT_EQ(telco->OkButton()->text(), res::kButtonOk);
    telco->List()->setCurrentIndex(telco->List()->Model()->index(0, 0));
    QMetaObject::invokeMethod(telco->OkButton(), "click");
    return telco->result();
  });
  auto location = started.frame->MyInfoOpeners().pickLocation(started.frame.get());
  std::int32_t code = 0;
  std::string company;
  bool chosen = started.frame->MyInfoOpeners().chooseTelco(code, company, started.frame.get());
  platform::SetModalHook({});
  ASSERT_TRUE(location.has_value());
  EXPECT_EQ(location->city, "New York");
  EXPECT_TRUE(chosen);
  EXPECT_EQ(company, "Example Telephone");
  EXPECT_EQ(code, 1010457);
}

TEST(MainMenu, CallLogOpensTheCallLogOfTheMonthsWithLogs) {
  StartedFrame started;
  started.db.WriteFile("LOG/December1998.LOG", "");
  int shown = 0;
  platform::SetModalHook([&](QDialog& dialog) {
    auto* callLog = qobject_cast<reports::CCallLogDlg*>(&dialog);
    EXPECT_NE(callLog, nullptr);
    if (callLog) {
      EXPECT_EQ(callLog->MonthBox().currentText(), "December 1998");
    }
    return ++shown;
  });
  started.frame->OnCallLog();
  platform::SetModalHook({});
  EXPECT_EQ(shown, 1);
}

TEST(MainMenu, EditInTheCallLogReopensTheCallWithItsCallingInformation) {
  StartedFrame started;
  data::CallLogRecord call;
  data::ClearCallRecord(call, true);
  data::WriteField(call.name, "Aunt Rosa");
  call.start = 915148800;  // Jan 1 1999 00:00 UTC
  call.duration = 60;
  // One band all day, and the memo files the call screen opens for the call's memo.
  data::WriteField(call.bandTitle[0], "Day");
  std::fill(std::begin(call.bandHours), std::begin(call.bandHours) + 6, 2400);
  data::PdbRecord holder{};
  ASSERT_TRUE(started.files.pdb.CreateMemoFiles(*started.files.memoCounter, holder,
                                                call.memoFileNumber));
  ASSERT_TRUE(started.files.pdb.AddMemo("Birthday", static_cast<std::uint32_t>(call.start)));
  started.files.pdb.CloseMemoFiles();
  started.db.WriteFile("LOG/January1999.LOG",
                       std::string(reinterpret_cast<const char*>(&call), sizeof call));
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  std::vector<std::string> opened;
  platform::SetModalHook([&](QDialog& dialog) {
    if (auto* log = qobject_cast<reports::CCallLogDlg*>(&dialog)) {
      opened.push_back("log");
      log->List().setCurrentIndex(log->List().Model()->index(0, 0));
      log->OnEdit();
      return 1;
    }
    if (auto* screen = qobject_cast<rating::CCallScreenDlg*>(&dialog)) {
      opened.push_back("screen");
      EXPECT_TRUE(dialog.findChild<QPushButton*>("callingInfo")->isEnabled());
      screen->OnCallingInfo();
      return 2;
    }
    if (qobject_cast<settings::CMyAdvancedDlg*>(&dialog)) opened.push_back("calling info");
    return 2;
  });
  started.frame->OnCallLog();
  platform::SetModalHook({});
  EXPECT_EQ(opened, (std::vector<std::string>{"log", "screen", "calling info"}));
  // The minimal sample database has no rate files for the default rates to be read from.
  EXPECT_EQ(prompter.Shown(), (std::vector<QString>{res::kErrorRateFile}));
}

TEST(MainMenu, MonthlyBillingMakesTheMonthsRecurringFileFromTheDefaultsOnce) {
  StartedFrame started;
  std::time_t clock = 1772618400;  // 4 March 2026
  started.frame->SetClock([&] { return clock; });
  QAction* billing = started.frame->menuBar()->actions()[2]->menu()->actions()[2];
  ASSERT_EQ(billing->text(), res::kMenuMonthlyBilling);
  auto shown = [](const char* text, const char* month) {
    return platform::ShownText(
        QString(text).replace("%s, %s", "%s, 2026").replace("%s", month).replace("%i", "2026"));
  };
  // Yes opens the defaults, where the user makes the cycle start on the 20th. Once the month
  // has its file the bill opens on the cycle today lies in.
  int defaultsOpened = 0;
  std::vector<reports::BillDate> billsFrom;
  test::ScopedModalHook hook([&](QDialog& dialog) {
    if (auto* bill = qobject_cast<reports::CMonthlyBillingDlg*>(&dialog))
      return billsFrom.push_back(bill->From()), 1;
    auto* charges = qobject_cast<reports::CRecurringChargesDlg*>(&dialog);
    EXPECT_TRUE(charges && charges->DialogMode() == reports::CRecurringChargesDlg::kDefaults);
    charges->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(charges));
    charges->findChild<QLineEdit*>("fromDay")->selectAll();
    QTest::keyClicks(charges->findChild<QLineEdit*>("fromDay"), "20");
    QTest::mouseClick(charges->findChild<QPushButton*>("close"), Qt::LeftButton);
    return ++defaultsOpened, charges->result();
  });
  test::Prompter prompter{QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok};
  billing->trigger();
  EXPECT_FALSE(std::filesystem::exists(started.db.Path("LOG/March2026.RCH")));
  billing->trigger();  // No, then the notice
  billing->trigger();  // the month has its file now: nothing is asked
  EXPECT_EQ(started.db.ReadFile("LOG/March2026.RCH")[0], 15);
  EXPECT_EQ(defaultsOpened, 0);

  clock += 31 * 86400;  // April
  prompter.Answer(QMessageBox::Yes);
  prompter.Answer(QMessageBox::Ok);
  billing->trigger();
  EXPECT_EQ(defaultsOpened, 1);
  EXPECT_EQ(billsFrom,
            (std::vector<reports::BillDate>{{2, 15, 2026}, {2, 15, 2026}, {3, 20, 2026}}));
  EXPECT_EQ(started.db.ReadFile("LOG/April2026.RCH")[0], 20);
  const char* ask = res::kAskCreateRecurringFile;
  const char* made = res::kNoticeRecurringCreated;
  test::ExpectShown(prompter, {shown(ask, "March"), shown(ask, "March"), shown(made, "March"),
                               shown(ask, "April"), shown(made, "April")});
}
