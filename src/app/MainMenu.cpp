// The frame's menu: every item with its status bar prompt, a separator between every two items.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/ContextHelp.h"
#include "app/MainFrame.h"
#include "res/Strings.h"

namespace dorv::app {
namespace {

struct MenuItem {
  const char* text;
  const char* prompt;
  // A command whose dialog is not part of the program yet has none and stays disabled.
  void (CMainFrame::*handler)();
};

struct Menu {
  const char* title;
  std::vector<MenuItem> items;
};

std::vector<Menu> MenuTable() {
  return {
      {res::kMenuFile, {{res::kMenuExit, res::kPromptExit, &CMainFrame::OnExit}}},
      {res::kMenuPersonalDatabase,
       {{res::kMenuToll, res::kPromptToll, &CMainFrame::OnToll},
        {res::kMenuTollFree, res::kPromptTollFree, &CMainFrame::OnTollFree},
        {res::kMenuAudioTex, res::kPromptAudioTex, &CMainFrame::OnAudioTex}}},
      {res::kMenuReports,
       {{res::kMenuCallLog, res::kPromptCallLog, &CMainFrame::OnCallLog},
        {res::kMenuMonthlyBilling, res::kPromptMonthlyBilling, &CMainFrame::OnMonthlyBilling},
        {res::kMenuCostTrends, res::kPromptCostTrends, &CMainFrame::OnCostTrends}}},
      {res::kMenuUtilities,
       {{res::kMenuSampleLookup, res::kPromptSampleLookup, &CMainFrame::OnSampleLookup},
        {res::kMenuTelcoAccess, res::kPromptTelcoAccess, &CMainFrame::OnTelcoAccess},
        {res::kMenuAlphaConvert, res::kPromptAlphaConvert, &CMainFrame::OnAlphaConvert},
        {res::kMenuCalculatorItem, res::kPromptCalculator, &CMainFrame::OnCalculator}}},
      {res::kMenuSetup,
       {{res::kMenuPersonalPreferences, res::kPromptPersonalPreferences,
         &CMainFrame::OnPersonalPreferences},
        {res::kMenuPrinter, res::kPromptPrinter, &CMainFrame::OnPrinter}}},
      {res::kMenuHelp,
       {{res::kMenuContents, res::kPromptContents, &CMainFrame::OnHelpContents},
        {res::kMenuAbout, res::kPromptAbout, &CMainFrame::OnAbout}}},
  };
}

}  // namespace

void CMainFrame::BuildMenus() {
  for (const Menu& menu : MenuTable()) {
    QMenu* shown = menuBar()->addMenu(menu.title);
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
      const MenuItem& item = menu.items[i];
      if (i > 0) shown->addSeparator();
      QAction* action = shown->addAction(item.text);
      action->setStatusTip(item.prompt);
      if (item.handler)
        connect(action, &QAction::triggered, this, item.handler);
      else
        action->setEnabled(false);
    }
  }
  // F1 opens the guide at the topic of the window it is pressed in.
  new ContextHelp([this](QWidget* window, const QString& anchor) { ShowHelp(window, anchor); },
                  this);
}

}  // namespace dorv::app
