#include "app/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

#include "app/AboutText.h"
#include "app/Artwork.h"
#include "app/ContextHelp.h"
#include "app/StartupChecks.h"
#include "app/MonthlyBillingCommand.h"
#include "pdb/CAlphaConvertDlg.h"
#include "pdb/CChangePdbDlg.h"
#include "pdb/CLookupDataDlg.h"
#include "pdb/CPdbEditDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "pdb/CTelcoAccessDlg.h"
#include "platform/Calculator.h"
#include "platform/Messages.h"
#include "platform/PrintSetup.h"
#include "platform/StartupSound.h"
#include "print/CPrintCallLogDlg.h"
#include "print/CPrintPdbDlg.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CallPrintRows.h"
#include "reports/CCallLogDlg.h"
#include "reports/CContactLogDlg.h"
#include "reports/CMemoDlg.h"
#include "reports/CCostTrendsDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "res/Strings.h"
#include "settings/CMyAdvancedDlg.h"
#include "settings/CMyInfoDlg.h"

namespace dorv::app {

LogoArea::LogoArea(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

QPoint LogoArea::LogoOrigin(const QSize& client, const QSize& logo) {
  return {(client.width() - logo.width()) / 2, (client.height() - logo.height()) / 2};
}

void LogoArea::paintEvent(QPaintEvent*) {
  if (m_logoState == 2) return;
  QPainter painter(this);
  // The desktop colour: Qt offers no desktop background, the window colour stands for it.
  painter.fillRect(rect(), palette().color(QPalette::Window).darker(115));
  if (m_logoState == 0) {
    painter.drawPixmap(LogoOrigin(size(), m_logo.deviceIndependentSize().toSize()), m_logo);
    m_logoState = 1;
  } else {
    m_logoState = 2;
    m_logo = QPixmap();
  }
}

CMainFrame::CMainFrame(DataFiles& files, SoundPlayer playSound, QWidget* parent)
    : QMainWindow(parent),
      m_files(files),
      m_playSound(playSound ? std::move(playSound) : SoundPlayer(platform::PlayStartupSound)),
      m_logoArea(new LogoArea(this)) {
  m_files.notices.SetParent(this);
  // The personal information dialog picks its location and company with the lookups.
  m_myInfoOpeners.pickLocation = [this](QWidget* parent) -> std::optional<data::LocationRow> {
    auto chosen = pdb::PickLocation(m_files.sample, m_files.myInfo, parent);
    if (!chosen) return std::nullopt;
    return chosen->location;
  };
  m_myInfoOpeners.chooseTelco = [this](std::int32_t& accessCode, std::string& company,
                                       QWidget* parent) {
    return pdb::ChooseTelco(m_files.sample.telcos, accessCode, company, parent);
  };
  setWindowTitle(res::kProductTitle);
  setWindowIcon(MakeIcon());
  setCentralWidget(m_logoArea);
  resize(720, 480);
  m_logoTimer.setSingleShot(false);
  m_logoTimer.setInterval(10000);
  connect(&m_logoTimer, &QTimer::timeout, this, &CMainFrame::OnLogoTimer);
}

CMainFrame::~CMainFrame() {
  m_files.notices.SetParent(nullptr);
  if (m_filesOpen) m_files.CloseAllFiles();
}

bool CMainFrame::OnCreate() {
  BuildMenus();
  BuildStatusBar();
  auto fail = [this](const QString& message) {
    platform::Ask(this, message);
    m_files.CloseAllFiles();
    return false;
  };
  // Before any file is touched: the directory must be this program's alone, and writable.
  if (auto message = TakeDataDirectory(m_files.directoryLock)) return fail(*message);
  if (auto message = DamagedSampleFileMessage()) return fail(*message);
  if (!m_files.pdb.SyncCounter(*m_files.memoCounter)) return fail(res::kErrorMemoNumbering);
  if (!m_files.sample.Open()) return fail(res::kErrorSampleDatabase);
  if (!m_files.myInfoFile.Open()) return fail(res::kErrorMyInfo);
  if (!m_files.pdb.Open()) return fail(res::kErrorPersonalDatabase);
  if (!m_files.hourDefinitions.Open()) return fail(res::kErrorHourDefinitions);
  m_filesOpen = true;
  // A failed read leaves the neutral record, never stored: the first-time setup fills it in,
  // and cancelling it ends the program.
  const bool settingsRead = m_files.myInfoFile.Read(m_files.myInfo);
  if (!settingsRead || m_files.myInfo.infoStored == 0) {
    settings::CMyInfoDlg setup(settings::CMyInfoDlg::kFirstTimeSetup, m_files.myInfo,
                               m_files.myInfoFile, m_myInfoOpeners, this);
    if (platform::RunModal(setup) != QDialog::Accepted) {
      m_files.CloseAllFiles();
      m_filesOpen = false;
      return false;
    }
  }
  if (!m_files.myInfo.soundOff) m_playSound();
  m_logoArea->SetLogo(MakeLogo());
  m_logoTimer.start();
  return true;
}

void CMainFrame::OnLogoTimer() {
  m_logoTimer.stop();
  m_logoArea->update();
}

void CMainFrame::BuildStatusBar() {
  // A normal pane: the menu's prompts cover it while shown and it comes back after.
  statusBar()->addWidget(new QLabel(res::kStatusReady, this), 1);
  // Qt cannot read the lock keys' state on every desktop, so the indicators stay unlit.
  for (const char* indicator : {res::kIndicatorCaps, res::kIndicatorNum, res::kIndicatorScroll}) {
    auto* label = new QLabel(indicator, this);
    label->setEnabled(false);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addPermanentWidget(label);
  }
}

void CMainFrame::OnExit() { close(); }

void CMainFrame::OnToll() { OpenBook(data::PdbKind::Toll); }
void CMainFrame::OnTollFree() { OpenBook(data::PdbKind::TollFree); }
void CMainFrame::OnAudioTex() { OpenBook(data::PdbKind::AudioTex); }

void CMainFrame::OpenBook(data::PdbKind kind) {
  pdb::PdbListOpeners openers;
  openers.callScreen = [this](long position, data::PdbRecord& entry, data::PdbKind book,
                              rating::CallScreenMode mode, QWidget* parent) {
    rating::RunEntryCallScreen(MakeCallScreenContext(), entry, {book, position}, mode, parent);
  };
  openers.memoViewer = [this](data::PdbRecord& entry, QWidget* parent) {
    reports::CMemoDlg dialog(m_files.pdb, entry, m_files.myInfo, parent);
    platform::RunModal(dialog);
  };
  openers.contactLog = [this](long position, data::PdbRecord& entry, const QString& title,
                              const QString& phone, QWidget* parent) {
    reports::CContactLogDlg dialog(ReportFiles(), MakeCallReportOpeners(),
                                   {entry, position, title, phone}, parent, m_now());
    platform::RunModal(dialog);
  };
  openers.printRecord = [this](long position, data::PdbKind book, QWidget* parent) {
    print::CPrintPdbDlg dialog(m_files.pdb, m_files.myInfoFile, book, position, m_now(), parent);
    print::RunPrintDialog(dialog);
  };
  pdb::PdbEditOpeners editOpeners;
  editOpeners.callScreen = openers.callScreen;
  editOpeners.memoViewer = openers.memoViewer;
  editOpeners.contactLog = openers.contactLog;
  editOpeners.printRecord = openers.printRecord;
  editOpeners.lookupData = [this](data::RateFile& rateFile, QWidget* parent) {
    return pdb::RunLookupData(m_files.myInfo, m_files.sample, rateFile, parent);
  };
  editOpeners.changeData = [this](pdb::ChangeDataValues& values, QWidget* parent) {
    return pdb::RunChangePdb(values, m_files.myInfo,
                             pdb::StandardChangePdbOpeners(m_files.sample, m_files.myInfo), parent);
  };
  openers.editor = [this, editOpeners](const pdb::EditorRequest& request) {
    return pdb::RunPdbEdit(
        request, {m_files.pdb, m_files.myInfo, m_files.sample, m_files.hourDefinitions},
        editOpeners);
  };
  pdb::RunPdbList(m_files.pdb, m_files.myInfo, kind, this, std::move(openers));
}

void CMainFrame::OnCalculator() {
  if (!platform::StartCalculator(m_startProgram)) platform::Ask(this, res::kErrorNoCalculator);
}

void CMainFrame::OnAlphaConvert() {
  pdb::CAlphaConvertDlg dialog({}, this);
  platform::RunModal(dialog);
}

void CMainFrame::OnSampleLookup() {
  pdb::CSampleLookupDlg dialog(m_files.sample, m_files.myInfo, false, this);
  platform::RunModal(dialog);
}

void CMainFrame::OnTelcoAccess() { pdb::ShowTelcoAccessCodes(m_files.sample.telcos, this); }

void CMainFrame::OnPersonalPreferences() {
  settings::CMyInfoDlg dialog(settings::CMyInfoDlg::kPreferences, m_files.myInfo,
                              m_files.myInfoFile, m_myInfoOpeners, this);
  platform::RunModal(dialog);
}

void CMainFrame::OnCallLog() {
  reports::CCallLogDlg dialog(ReportFiles(), MakeCallReportOpeners(), this);
  platform::RunModal(dialog);
}

void CMainFrame::OnMonthlyBilling() {
  const BillingToday today = BillingTodayOf(m_now());
  if (!PrepareMonthlyBilling(this, m_files, today.month, today.year)) return;
  reports::CMonthlyBillingDlg dialog(ReportFiles(), {today.month, today.day, today.year},
                                     MakeCallReportOpeners(), this, m_now());
  platform::RunModal(dialog);
}

void CMainFrame::OnCostTrends() {
  const BillingToday today = BillingTodayOf(m_now());
  reports::CCostTrendsDlg dialog(ReportFiles(), {today.month, today.day, today.year}, this);
  platform::RunModal(dialog);
}

reports::CallReportFiles CMainFrame::ReportFiles() {
  return {m_files.callLog, m_files.currentCall, m_files.pdb, m_files.myInfo};
}

reports::CallReportOpeners CMainFrame::MakeCallReportOpeners() {
  reports::CallReportOpeners openers;
  openers.callScreen = [this](const reports::LoggedCall& where, data::CallLogRecord&,
                              QWidget* parent) {
    rating::CCallScreenDlg screen(MakeCallScreenContext(),
                                  rating::LoggedCall{where.recordIndex, where.month, where.year},
                                  parent);
    return rating::RunCallScreen(screen);
  };
  openers.print = [this](const reports::CallListPrint& list, QWidget* parent) {
    print::CPrintCallLogDlg dialog(reports::CallLogPrintoutOf(list, PrintedFor()), parent);
    print::RunPrintDialog(dialog);
  };
  openers.printContact = [this](const reports::ContactLogPrint& contact, QWidget* parent) {
    print::CPrintContactLogDlg dialog(reports::ContactLogPrintoutOf(contact, PrintedFor()),
                                      contact.statusLine, parent);
    print::RunPrintDialog(dialog);
  };
  return openers;
}

print::PrintedFor CMainFrame::PrintedFor() const {
  return print::PrintedForOf(m_files.myInfo, m_now());
}

rating::CallScreenContext CMainFrame::MakeCallScreenContext() {
  rating::CallScreenContext context{m_files.pdb, m_files.callLog, *m_files.memoCounter,
                                    m_files.myInfo, m_files.currentCall};
  context.startProgram = m_startProgram;
  context.now = m_now;
  // "Calling Info" shows the user's dialling information without letting it change.
  context.callingInfo = [this](QWidget* parent) {
    settings::CMyAdvancedDlg info(settings::CMyAdvancedDlg::kReadOnly, m_files.myInfo,
                                  m_files.myInfoFile, parent);
    platform::RunModal(info);
  };
  return context;
}

void CMainFrame::OnPrinter() { platform::ShowPrintSetup(this); }

void CMainFrame::OnHelpContents() { ShowHelp(this, {}); }

void CMainFrame::ShowHelp(QWidget* window, const QString& anchor) {
  // A modal dialog blocks every window but its own, so the guide becomes a window of the one
  // the user asked from.
  QWidget* owner = window == m_help ? m_help->parentWidget() : window;
  if (!m_help) m_help = new HelpWindow(owner);
  if (m_help->parentWidget() != owner) m_help->setParent(owner, m_help->windowFlags());
  m_help->ShowTopic(anchor);
  m_help->show();
  m_help->raise();
  m_help->activateWindow();
}

void CMainFrame::OnAbout() {
  platform::Ask(this, AboutText(QCoreApplication::applicationDirPath()), QMessageBox::Ok,
                QMessageBox::Information);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_filesOpen) m_files.CloseAllFiles();
  m_filesOpen = false;
  event->accept();
}

}  // namespace dorv::app
