#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <ctime>
#include <functional>

#include "app/DataFiles.h"
#include "app/HelpWindow.h"
#include "platform/Calculator.h"
#include "print/PrintoutPages.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CallReports.h"
#include "settings/MyInfoOpeners.h"

namespace dorv::app {

// The client area: the logo on the desktop colour until the timer or the second paint.
class LogoArea final : public QWidget {
 public:
  explicit LogoArea(QWidget* parent = nullptr);
  // 0: not painted yet, 1: on the screen, 2: gone.
  int LogoState() const { return m_logoState; }
  void SetLogo(const QPixmap& logo) { m_logo = logo; }
  // Where the logo goes: centred, integer division.
  static QPoint LogoOrigin(const QSize& client, const QSize& logo);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap m_logo;
  int m_logoState = 0;
};

class CMainFrame final : public QMainWindow {
  Q_OBJECT
 public:
  using SoundPlayer = std::function<bool()>;
  explicit CMainFrame(DataFiles& files, SoundPlayer playSound = {}, QWidget* parent = nullptr);
  ~CMainFrame() override;
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // The start-up: opens every data file in order. On the first failure shows its one
  // message, closes what was opened and returns false; the program then ends.
  bool OnCreate();
  // The ten-second logo timer's tick.
  void OnLogoTimer();

  // The menu commands; each runs its dialog modally over the frame.
  void OnExit();
  void OnToll();
  void OnTollFree();
  void OnAudioTex();
  void OnAlphaConvert();
  void OnSampleLookup();
  void OnTelcoAccess();
  void OnPersonalPreferences();
  void OnCallLog();
  void OnMonthlyBilling();
  void OnCostTrends();
  void OnCalculator();
  void OnPrinter();
  void OnHelpContents();
  void OnAbout();

  // How other programs (the calculator) are started; tests put in their own.
  void SetProgramStarter(platform::ProgramStarter start) { m_startProgram = std::move(start); }
  // The clock the call screen times calls by; tests put in their own.
  void SetClock(std::function<std::time_t()> now) { m_now = std::move(now); }
  // The pickers the personal information dialog opens.
  void SetMyInfoOpeners(settings::MyInfoOpeners openers) { m_myInfoOpeners = std::move(openers); }
  const settings::MyInfoOpeners& MyInfoOpeners() const { return m_myInfoOpeners; }

  LogoArea* Logo() const { return m_logoArea; }
  HelpWindow* Help() const { return m_help.data(); }
  QTimer& LogoTimer() { return m_logoTimer; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildStatusBar();
  // Shows the guide at a topic over the window the user asked from.
  void ShowHelp(QWidget* window, const QString& anchor);
  void OpenBook(data::PdbKind kind);
  // What the call screen works with, wherever it is opened from.
  rating::CallScreenContext MakeCallScreenContext();
  // What the call reports work on, and the dialogs they open.
  reports::CallReportFiles ReportFiles();
  reports::CallReportOpeners MakeCallReportOpeners();
  // The user and the time every printout's page header names.
  print::PrintedFor PrintedFor() const;

  DataFiles& m_files;
  SoundPlayer m_playSound;
  LogoArea* m_logoArea;
  QTimer m_logoTimer;
  bool m_filesOpen = false;
  // Owned by the window it was last opened over, which may close and take it along.
  QPointer<HelpWindow> m_help;
  platform::ProgramStarter m_startProgram = platform::StartDetached;
  std::function<std::time_t()> m_now = [] { return std::time(nullptr); };
  settings::MyInfoOpeners m_myInfoOpeners;
};

}  // namespace dorv::app
