#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <functional>

#include "app/AboutText.h"
#include "app/HelpTopics.h"
#include "app/MainFrame.h"
#include "data/FixedText.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/CTelcoAccessDlg.h"
#include "platform/Calculator.h"
#include "platform/Messages.h"
#include "platform/PrintSetup.h"
#include "print/CPrintDialog.h"
#include "print/CPrintPdbDlg.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CCallLogDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CRecurringChargesDlg.h"
#include "res/Strings.h"
#include "settings/CMyAdvancedDlg.h"
#include "settings/CMyInfoDlg.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/FakeMemoCounter.h"
#include "support/PdfText.h"
#include "support/SampleFixture.h"
#include "support/TempDatabase.h"

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

// Runs a command with the printouts going into a PDF, the user acting in each dialog it opens;
// gives the PDF's text.
std::string PrintedText(StartedFrame& started, void (app::CMainFrame::*command)(),
                        const std::function<void(QDialog&)>& user) {
  const std::string pdf = started.db.Path("printout.pdf");
  std::filesystem::remove(pdf);
  qputenv("DORV_PRINT_PDF", QByteArray::fromStdString(pdf));
  {
    test::ModalScript script(user);
    (started.frame.get()->*command)();
  }
  qunsetenv("DORV_PRINT_PDF");
  return test::PdfText(pdf);
}

}  // namespace

// The calculator is the first of the known programs that starts, and the printer setup the
// system's; each says when the system has none.
TEST(MainMenu, CalculatorAndPrinterSetupSayWhenTheSystemHasNone) {
  std::vector<QString> tried;
  EXPECT_FALSE(
      platform::StartCalculator([&](const QString& p) { return tried.push_back(p), false; }));
  EXPECT_EQ(tried.size(), static_cast<std::size_t>(platform::CalculatorPrograms().size()));
  tried.clear();
  EXPECT_TRUE(platform::StartCalculator(
      [&](const QString& p) { return tried.push_back(p), p == "galculator"; }));
  EXPECT_EQ(tried.back(), "galculator");

  StartedFrame started;
  int printSetups = 0;
  test::ScopedModalHook hook([&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    EXPECT_TRUE(print && !print->testOption(QAbstractPrintDialog::PrintToFile));
    return ++printSetups, 0;
  });
  platform::ShowPrintSetup(started.frame.get(), true);
  test::Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  started.frame->SetProgramStarter([](const QString&) { return false; });
  started.frame->OnCalculator();
  started.frame->SetProgramStarter([](const QString&) { return true; });
  started.frame->OnCalculator();
  platform::ShowPrintSetup(started.frame.get(), false);
  test::ExpectShown(prompter, {res::kErrorNoCalculator, res::kNoPrinter});
  EXPECT_EQ(printSetups, 1);
}

// The call log's Print and a book list's Print Record open their printout dialogs; OK prints
// the calls as listed with their totals, and the entry's data with its memos.
TEST(MainMenu, CallLogAndPrintRecordPrintIntoAPdf) {
  StartedFrame started;
  std::string log;
  for (const char* name : {"Alice", "Bob"})
    log += test::RecordBytes(test::MakeCall({name, 912470400 + 3600, 125, 150}));
  started.db.WriteFile("LOG/December1998.LOG", log);
  data::PdbRecord entry = test::FullEntry("Family", "Aunt Rosa", "555");
  entry.memoFileNumber = 0;
  data::PdbFiles& pdb = started.files.pdb;
  ASSERT_TRUE(pdb.CreateMemoFiles(*started.files.memoCounter, entry, entry.memoFileNumber) &&
              pdb.AddMemo("Asked about the party", 915148800) &&
              pdb.Append(entry, data::PdbKind::Toll));
  pdb.CloseMemoFiles();
  const std::string logText = PrintedText(started, &app::CMainFrame::OnCallLog, [&](QDialog& d) {
    if (auto* callLog = qobject_cast<reports::CCallLogDlg*>(&d)) {
      test::Click(&callLog->Button(reports::CallLogButton::Print));
      d.reject();
    } else if (auto* dialog = qobject_cast<print::CPrintDialog*>(&d)) {
      test::Click(&dialog->OkButton());
    }
  });
  const std::string entryText = PrintedText(started, &app::CMainFrame::OnToll, [&](QDialog& d) {
    if (auto* list = qobject_cast<pdb::CPdbListDlg*>(&d)) {
      list->OnLoadTimer();
      test::ClickRow(&list->List(), 0);
      test::Click(&list->Button(pdb::ListButton::PrintRecord));
      d.reject();
    } else if (auto* dialog = qobject_cast<print::CPrintPdbDlg*>(&d)) {
      test::Click(&dialog->OkButton());
    }
  });
  for (const char* shown : {"CALL LOG", "December 1998", "Alice", "Bob", "00:04:10", "$3.0000"})
    EXPECT_NE(logText.find(shown), std::string::npos) << shown << "\n" << logText;
  for (const char* shown : {"PERSONAL DATABASE ENTRY", "Aunt Rosa", "Asked about the party"})
    EXPECT_NE(entryText.find(shown), std::string::npos) << shown << "\n" << entryText;
}

// Contents shows the guide; F1 in a dialog opens it at the dialog's topic, over
// the dialog so that it can be read while the dialog is open; About names the build's version.
TEST(MainMenu, TheHelpMenuAndF1ShowTheGuideAndAboutNamesTheVersion) {
  StartedFrame started;
  started.frame->OnHelpContents();
  app::HelpWindow* help = started.frame->Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->Browser()->toPlainText().contains(QString(res::kMenuToll).remove('&')));

  {
    test::ModalScript script([&](QDialog& dialog) {
      QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
      app::HelpWindow* over = started.frame->Help();
      ASSERT_NE(over, nullptr);
      EXPECT_TRUE(over->isVisible() && over->parentWidget() == &dialog);
      EXPECT_EQ(over->Browser()->source().fragment(), "alpha-convert");
      dialog.reject();
    });
    started.frame->OnAlphaConvert();
    EXPECT_EQ(script.Runs(), 1);
  }

  test::Prompter prompter{QMessageBox::Ok};  // one message: a second fails the test
  started.frame->OnAbout();
  const QString about = prompter.Shown().empty() ? QString() : prompter.Shown()[0];
  EXPECT_TRUE(about.startsWith("Dorv version " DORV_TEST_VERSION "\n")) << about.toStdString();
}

// Installed, the program runs from <prefix>/libexec/dorv and its licence texts are in
// <prefix>/share/doc/dorv, which About names; run from elsewhere it says where to look.
TEST(MainMenu, AboutNamesTheFolderOfTheInstalledLicenceTexts) {
  QTemporaryDir prefix;
  const QString program = prefix.path() + "/libexec/dorv";
  ASSERT_TRUE(QDir().mkpath(program));
  EXPECT_TRUE(app::AboutText(program).contains(res::kAboutLicenceFolderElsewhere));
  ASSERT_TRUE(QDir().mkpath(prefix.path() + "/share/doc/dorv"));
  const QString docs = QDir(prefix.path() + "/share/doc/dorv").canonicalPath();
  EXPECT_TRUE(app::AboutText(program).contains(" in " + docs + "."))
      << app::AboutText(program).toStdString();
}

// Every menu and item has an Alt key. Each command opens its dialog: the books' lists, the
// lookup and the company list in the view role, the call log at the month with a log, and from
// the menus Cost Trends (after Monthly Billing) and Personal Preferences, not as the first-time
// setup, with the frame's own pickers.
TEST(MainMenu, EveryItemHasAnAltKeyAndEachCommandOpensItsDialog) {
  StartedFrame started;
  for (QAction* menu : started.frame->menuBar()->actions()) {
    EXPECT_TRUE(menu->text().contains('&')) << menu->text().toStdString();
    for (QAction* item : menu->menu()->actions())
      EXPECT_TRUE(item->isSeparator() || item->text().contains('&')) << item->text().toStdString();
  }
  started.db.WriteFile("LOG/December1998.LOG", "");
  QStringList opened;
  test::ScopedModalHook hook([&](QDialog& dialog) {
    QString seen = QString(dialog.metaObject()->className()).section("::", -1);
    if (qobject_cast<pdb::CPdbListDlg*>(&dialog)) seen = dialog.windowTitle();
    if (auto* lookup = qobject_cast<pdb::CSampleLookupDlg*>(&dialog))
      seen += " " + lookup->OkButton()->text();
    if (auto* telco = qobject_cast<pdb::CTelcoAccessDlg*>(&dialog))
      seen += " " + telco->OkButton()->text();
    if (auto* callLog = qobject_cast<reports::CCallLogDlg*>(&dialog))
      seen += " " + callLog->MonthBox().currentText();
    if (qobject_cast<settings::CMyInfoDlg*>(&dialog))
      seen += QString(" %1 %2")
                  .arg(test::Child<QPushButton>(dialog, "dialingInformation")->isEnabled())
                  .arg(test::Child<QPushButton>(dialog, "lookupLocation")->isEnabled());
    opened << seen;
    return 2;
  });
  started.frame->OnToll();
  started.frame->OnTollFree();
  started.frame->OnAudioTex();
  started.frame->OnSampleLookup();
  started.frame->OnTelcoAccess();
  started.frame->OnCallLog();
  QAction* trends = started.frame->menuBar()->actions()[2]->menu()->actions()[4];
  ASSERT_EQ(trends->text(), res::kMenuCostTrends);
  trends->trigger();
  for (QAction* item : started.frame->menuBar()->actions()[4]->menu()->actions())
    if (item->text() == res::kMenuPersonalPreferences) item->trigger();
  ASSERT_EQ(opened.size(), 8);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(opened[i].contains(res::kBookNames[i])) << i;
  EXPECT_EQ(opened.mid(3),
            (QStringList{QString("CSampleLookupDlg ") + res::kButtonClose,
                         QString("CTelcoAccessDlg ") + res::kButtonClose,
                         "CCallLogDlg December 1998", "CCostTrendsDlg", "CMyInfoDlg 1 1"}));
}

TEST(MainMenu, EditInTheCallLogReopensTheCallWithItsCallingInformation) {
  StartedFrame started;
  // Jan 1 1999 00:00 UTC, at the sample rates.
  data::CallLogRecord call =
      test::MakeCall({.name = "Aunt Rosa", .start = 915148800, .sampleRates = true});
  // One band all day, and the memo files the call screen opens for the call's memo.
  data::WriteField(call.bandTitle[0], "Day");
  std::fill(std::begin(call.bandHours), std::begin(call.bandHours) + 6, 2400);
  data::PdbRecord holder{};
  ASSERT_TRUE(
      started.files.pdb.CreateMemoFiles(*started.files.memoCounter, holder, call.memoFileNumber));
  ASSERT_TRUE(started.files.pdb.AddMemo("Birthday", static_cast<std::uint32_t>(call.start)));
  started.files.pdb.CloseMemoFiles();
  started.db.WriteFile("LOG/January1999.LOG", test::RecordBytes(call));
  // The minimal sample database has no rate files for the default rates to be read from.
  test::Prompter prompter{QMessageBox::Ok};
  std::vector<std::string> opened;
  test::ScopedModalHook hook([&](QDialog& dialog) {
    if (auto* log = qobject_cast<reports::CCallLogDlg*>(&dialog)) {
      opened.push_back("log");
      log->List().setCurrentIndex(log->List().Model()->index(0, 0));
      log->OnEdit();
      return 1;
    }
    if (qobject_cast<rating::CCallScreenDlg*>(&dialog)) {
      opened.push_back("screen");
      test::ShowForUser(dialog);
      test::Click(test::Child<QPushButton>(dialog, "callingInfo"));
      return 2;
    }
    if (qobject_cast<settings::CMyAdvancedDlg*>(&dialog)) opened.push_back("calling info");
    return 2;
  });
  started.frame->OnCallLog();
  EXPECT_EQ(opened, (std::vector<std::string>{"log", "screen", "calling info"}));
  test::ExpectShown(prompter, {res::kErrorRateFile});
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
  std::vector<reports::BillDate> billsFrom;
  test::ScopedModalHook hook([&](QDialog& dialog) {
    if (auto* bill = qobject_cast<reports::CMonthlyBillingDlg*>(&dialog))
      return billsFrom.push_back(bill->From()), 1;
    auto* charges = qobject_cast<reports::CRecurringChargesDlg*>(&dialog);
    EXPECT_TRUE(charges && charges->DialogMode() == reports::CRecurringChargesDlg::kDefaults);
    test::ShowForUser(*charges);
    test::TypeInto(test::Child<QLineEdit>(*charges, "fromDay"), "20");
    test::Click(test::Child<QPushButton>(*charges, "close"));
    return charges->result();
  });
  test::Prompter prompter{QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok};
  billing->trigger();
  EXPECT_FALSE(std::filesystem::exists(started.db.Path("LOG/March2026.RCH")));
  billing->trigger();  // No, then the notice
  billing->trigger();  // the month has its file now: nothing is asked
  EXPECT_EQ(started.db.ReadFile("LOG/March2026.RCH")[0], 15);

  clock += 31 * 86400;  // April
  prompter.Answer(QMessageBox::Yes);
  prompter.Answer(QMessageBox::Ok);
  billing->trigger();
  EXPECT_EQ(billsFrom,
            (std::vector<reports::BillDate>{{2, 15, 2026}, {2, 15, 2026}, {3, 20, 2026}}));
  EXPECT_EQ(started.db.ReadFile("LOG/April2026.RCH")[0], 20);
  const char* ask = res::kAskCreateRecurringFile;
  const char* made = res::kNoticeRecurringCreated;
  test::ExpectShown(prompter, {shown(ask, "March"), shown(ask, "March"), shown(made, "March"),
                               shown(ask, "April"), shown(made, "April")});
}

// A window's class name gives its topic; every topic and every link of the guide lands on an
// anchor the guide has.
TEST(HelpTopics, EachWindowHasItsTopicAndEveryTopicAndLinkItsPlaceInTheGuide) {
  const std::pair<const char*, const char*> cases[] = {
      {"dorv::pdb::CPdbListDlg", "books"}, {"dorv::settings::CMyInfoDlg", "setup"},
      {"CCallScreenDlg", "timing"},        {"QPrintPreviewDialog", "printing"},
      {"dorv::app::CMainFrame", ""},       {"QMessageBox", ""},
      {"dorv::pdb::CPdbListDlgX", ""}};
  for (const auto& [className, anchor] : cases)
    EXPECT_EQ(app::HelpAnchorOf(className), anchor) << className;
  QFile file(":/help/guide.html");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString guide = QString::fromUtf8(file.readAll());
  auto hasAnchor = [&](const QString& anchor) {
    return guide.contains(QString("name=\"%1\"").arg(anchor));
  };
  for (const app::HelpTopic& topic : app::HelpTopics())
    EXPECT_TRUE(hasAnchor(QString::fromLatin1(topic.anchor.data(), topic.anchor.size())))
        << topic.windowClass;
  for (const auto& link : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(guide))
    EXPECT_TRUE(hasAnchor(link.captured(1))) << link.captured(1).toStdString();
}
