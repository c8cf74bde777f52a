#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QTextBrowser>

#include "app/MainFrame.h"
#include "pdb/CAlphaConvertDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/CTelcoAccessDlg.h"
#include "data/FakeMemoCounter.h"
#include "data/SampleFixture.h"
#include "data/TempDatabase.h"
#include "platform/Calculator.h"
#include "platform/Messages.h"
#include "res/Strings.h"

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
    files.memoCounter = std::make_unique<test::FakeMemoCounter>();
    frame = std::make_unique<app::CMainFrame>(files, [] { return true; });
    EXPECT_TRUE(frame->OnCreate());
  }
};

struct ShownItem {
  QString text, prompt;
  bool enabled;
};

std::vector<ShownItem> ItemsOf(QMenu* menu) {
  std::vector<ShownItem> items;
  QList<QAction*> actions = menu->actions();
  for (int i = 0; i < actions.size(); ++i) {
    // Every two items have a separator between them, and nothing else is one.
    EXPECT_EQ(actions[i]->isSeparator(), i % 2 == 1) << menu->title().toStdString() << " " << i;
    if (!actions[i]->isSeparator())
      items.push_back({actions[i]->text(), actions[i]->statusTip(), actions[i]->isEnabled()});
  }
  return items;
}

}  // namespace

TEST(MainMenu, MenusItemsAndPromptsInOrder) {
  StartedFrame started;
  QList<QAction*> menus = started.frame->menuBar()->actions();
  std::vector<QString> titles;
  for (QAction* menu : menus) titles.push_back(menu->text());
  EXPECT_EQ(titles, (std::vector<QString>{res::kMenuFile, res::kMenuPersonalDatabase,
                                          res::kMenuReports, res::kMenuUtilities, res::kMenuSetup,
                                          res::kMenuHelp}));
  auto utilities = ItemsOf(menus[3]->menu());
  ASSERT_EQ(utilities.size(), 4u);
  EXPECT_EQ(utilities[3].text, res::kMenuCalculator);
  EXPECT_EQ(utilities[3].prompt, res::kPromptCalculator);
  EXPECT_TRUE(utilities[3].enabled);
  auto reports = ItemsOf(menus[2]->menu());
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].prompt, res::kPromptCallLog);
  EXPECT_FALSE(reports[0].enabled);  // its dialog is not part of the program yet
  auto help = ItemsOf(menus[5]->menu());
  ASSERT_EQ(help.size(), 2u);
  EXPECT_EQ(help[0].text, res::kMenuContents);
  EXPECT_EQ(help[0].prompt, res::kPromptContents);
  for (QAction* menu : menus) ItemsOf(menu->menu());  // checks every menu's separators
}

TEST(MainMenu, CalculatorTriesEachProgramThenSaysNoneStarted) {
  std::vector<QString> tried;
  EXPECT_FALSE(platform::StartCalculator([&](const QString& p) { return tried.push_back(p), false; }));
  EXPECT_EQ(tried.size(), static_cast<std::size_t>(platform::CalculatorPrograms().size()));
  tried.clear();
  EXPECT_TRUE(platform::StartCalculator(
      [&](const QString& p) { return tried.push_back(p), p == "galculator"; }));
  EXPECT_EQ(tried.back(), "galculator");

  StartedFrame started;
  platform::ScriptedPrompter prompter;
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
  EXPECT_EQ(help->windowTitle(), res::kHelpCaption);
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
