// Shows Dorv's windows on the X server and saves what the server shows of each.
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <ctime>
#include <time.h>
#include <unistd.h>

#include "ScreenshotData.h"
#include "app/DataFiles.h"
#include "data/FixedText.h"
#include "data/RecurringFile.h"
#include "app/MainFrame.h"
#include "pdb/CLookupDataDlg.h"
#include "pdb/CPdbEditDlg.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "platform/Messages.h"
#include "platform/SettingsMemoCounter.h"
#include "print/CMonthlyBillPrintDlg.h"
#include "print/CPrintCallLogDlg.h"
#include "print/CPrintDialog.h"
#include "print/CPrintPdbDlg.h"
#include "rating/callscreen/CCallScreenDlg.h"
#include "reports/CCallLogDlg.h"
#include "reports/CCallSummaryDlg.h"
#include "reports/CCostTrendsDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CRecurringChargesDlg.h"
#include "reports/CRecurringDlg.h"
#include "reports/CContactLogDlg.h"
#include "reports/CMemoDlg.h"
#include "res/Strings.h"
#include "settings/CMyInfoDlg.h"

using namespace dorv;

namespace {

QString g_outputDir;

// Waits until the window is on the screen and painted, then saves the screen's pixels of it.
void Shoot(QWidget& window, const char* fileName) {
  window.show();
  window.raise();
  if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "not exposed: %s\n", fileName);
  QTest::qWait(400);
  QRect frame = window.frameGeometry();
  QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  QString path = QDir(g_outputDir).filePath(fileName);
  if (!shot.save(path)) std::fprintf(stderr, "could not save %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
  // The whole 1024x768 screen as well, to show that the window fits a small screen.
  const QString screenPath = QDir(g_outputDir).filePath(QString("1024x768/") + fileName);
  QDir().mkpath(QFileInfo(screenPath).path());
  if (!window.screen()->grabWindow(0).save(screenPath))
    std::fprintf(stderr, "could not save %s\n", qPrintable(screenPath));
}

// Lets the click print into docs/printouts/<name>.pdf, beside the screenshots, and saves a
// picture of the first page as <name>.png.
void PrintTo(const char* name, const std::function<void()>& clickPrint) {
  const QString folder = QDir(g_outputDir).absoluteFilePath("../printouts");
  QDir().mkpath(folder);
  const QString pdf = QDir(folder).filePath(QString(name) + ".pdf");
  QFile::remove(pdf);
  qputenv("DORV_PRINT_PDF", pdf.toLocal8Bit());
  clickPrint();
  qunsetenv("DORV_PRINT_PDF");
  if (QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf,
                                     QDir(folder).filePath(name)}) != 0)
    std::fprintf(stderr, "could not picture %s\n", qPrintable(pdf));
  std::printf("%s\n", qPrintable(pdf));
}

void Type(QLineEdit* field, const QString& text) {
  field->clear();
  QTest::keyClicks(field, text);
}

void ClickRow(QAbstractItemView* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualRect(list->model()->index(row, 0)).center());
}

// The row of a list whose first column reads the text, or whose columns hold both texts.
int RowOf(const platform::ReportList* list, const QString& text, const QString& also = {}) {
  for (int r = 0; r < list->Model()->rowCount(); ++r) {
    QStringList texts;
    for (int c = 0; c < list->Model()->columnCount(); ++c) texts << list->Model()->Row(r)->Text(c);
    if (also.isEmpty() ? texts.value(0) == text : texts.contains(text) && texts.contains(also))
      return r;
  }
  return 0;
}

// The first-time setup half filled in, as a new user sees it before the location lookup.
void ShootFirstTimeSetup(app::DataFiles& files, app::CMainFrame& frame) {
  data::MyInfo blank;
  data::ClearMyInfo(blank);
  settings::CMyInfoDlg setup(settings::CMyInfoDlg::kFirstTimeSetup, blank, files.myInfoFile,
                             frame.MyInfoOpeners(), &frame);
  setup.move(40, 40);
  setup.show();
  Type(setup.findChild<QLineEdit*>("name"), "Pat Example");
  Type(setup.findChild<QLineEdit*>("address"), "1200 Market Street");
  Shoot(setup, "first-time-setup.png");
  setup.hide();
}

// The default monthly charges of a new North American user, the second one being edited.
void ShootRecurringCharges(app::DataFiles& files, app::CMainFrame& frame) {
  data::MyInfo info = files.myInfo;
  data::ApplyNorthAmericanDefaults(info);
  reports::CRecurringChargesDlg charges(info, files.myInfoFile, &frame);
  charges.move(40, 40);
  charges.show();
  ClickRow(charges.findChild<QAbstractItemView*>("list"), 1);
  Shoot(charges, "recurring-charges.png");
  reports::CRecurringDlg edit(reports::CRecurringDlg::kEdit, 1, charges.Entries(), &charges);
  edit.move(120, 160);
  Shoot(edit, "recurring.png");
  edit.hide();
  charges.hide();
}

// A few days of calls in March 2026, one or more in each section of the bill.
void LogMarchCalls(app::DataFiles& files) {
  struct Call {
    const char* name;
    const char* city;
    const char* state;
    const char* country;
    const char* countryCode;
    const char* areaCode;
    int day, hour, minutes;
    double cost;
  } calls[] = {
      {"Dr. Lee's Office", "Philadelphia", "Pennsylvania", "United States", "", "215", 2, 9, 7, 135.0},
      {"Harbor Freight Office", "Halifax", "Nova Scotia", "Canada", "1", "902", 2, 14, 23, 437},
      {"Hotel Bristol", "London", "", "United Kingdom", "44", "20", 3, 8, 12, 1890.0},
      {"Pizza Roma", "Philadelphia", "Pennsylvania", "United States", "", "215", 3, 18, 3, 95.0},
      {"Airline Reservations", "", "", "United States", "", "800", 3, 19, 18, 0.0},
      {"Aunt Rosa", "Santa Fe", "New Mexico", "United States", "", "505", 3, 20, 41, 512.0},
  };
  if (!files.callLog.OpenMonthNumber(3, 2026, true)) return;
  for (const Call& c : calls) {
    data::CallLogRecord record{};
    data::ClearCallRecord(record, true);
    data::WriteField(record.name, c.name);
    data::WriteField(record.city, c.city);
    data::WriteField(record.state, c.state);
    data::WriteField(record.country, c.country);
    data::WriteField(record.countryCode, c.countryCode);
    data::WriteField(record.areaCode, c.areaCode);
    data::WriteField(record.prefix, "555");
    data::WriteField(record.suffix, "0110");
    record.locationMark = static_cast<char>(files.myInfo.locationMark);
    record.start = static_cast<std::uint32_t>(1772323200 + (c.day - 1) * 86400 + c.hour * 3600);
    record.duration = static_cast<std::uint32_t>(c.minutes * 60 + 17);
    record.cost = c.cost;
    record.ratesChanged = 1;
    files.callLog.AppendRecord(record);
  }
  files.callLog.Close();
}

// The bill of March 2026 and its local calls, as the user sees them on 4 March.
void ShootMonthlyBilling(app::DataFiles& files, app::CMainFrame& frame) {
  data::MyInfo defaults = files.myInfo;
  data::ApplyNorthAmericanDefaults(defaults);
  defaults.billingFromDay = 1;
  int handle = data::CreateRecurringFile("March", "2026", defaults, files.notices);
  if (handle >= 0) ::close(handle);
  LogMarchCalls(files);
  reports::CMonthlyBillingDlg bill({files.callLog, files.currentCall, files.pdb, files.myInfo},
                                   {3, 4, 2026}, {}, &frame, 1772618400);
  bill.move(20, 20);
  Shoot(bill, "monthly-billing.png");
  reports::CCallSummaryDlg summary(bill, reports::BillingClass::Local, {}, &bill);
  summary.move(40, 40);
  summary.resize(900, 520);
  Shoot(summary, "call-summary.png");
  summary.hide();
  PrintTo("monthly-bill", [&bill] { bill.PrintButton().click(); });
  bill.hide();
}

// A year of calls before March 2026, a few a month with costs that move, and the chart of the
// twelve cycles up to March.
void ShootCostTrends(app::DataFiles& files, app::CMainFrame& frame) {
  data::MyInfo defaults = files.myInfo;
  data::ApplyNorthAmericanDefaults(defaults);
  defaults.billingFromDay = 1;
  std::tm first{};
  first.tm_mday = 5;
  first.tm_hour = 10;
  for (int month = 0; month < 11; ++month) {
    first.tm_year = 125 + (month + 3) / 12;  // April 2025 to February 2026
    first.tm_mon = (month + 3) % 12;
    const std::uint32_t start = static_cast<std::uint32_t>(timegm(&first));
    const int handle = data::CreateRecurringFile(data::MonthName(first.tm_mon + 1),
                                                 std::to_string(first.tm_year + 1900), defaults,
                                                 files.notices);
    if (handle >= 0) ::close(handle);
    if (!files.callLog.OpenMonthNumber(first.tm_mon + 1, first.tm_year + 1900, true)) continue;
    const struct {
      const char* areaCode;
      const char* state;
      const char* countryCode;
      double cost;
    } calls[] = {{"215", "Pennsylvania", "", 300.0 + 40 * (month % 4)},
                 {"505", "New Mexico", "", 450.0 + 90 * ((month * 7) % 5)},
                 {"20", "", "44", month % 3 == 0 ? 1900.0 : 600.0},
                 {"800", "", "", 0.0}};
    for (int i = 0; i < 4; ++i) {
      data::CallLogRecord record{};
      data::ClearCallRecord(record, true);
      data::WriteField(record.name, "Trend call");
      data::WriteField(record.areaCode, calls[i].areaCode);
      data::WriteField(record.state, calls[i].state);
      data::WriteField(record.countryCode, calls[i].countryCode);
      data::WriteField(record.country, *calls[i].countryCode ? "United Kingdom" : "United States");
      data::WriteField(record.prefix, "555");
      data::WriteField(record.suffix, "0120");
      record.locationMark = static_cast<char>(files.myInfo.locationMark);
      record.start = start + static_cast<std::uint32_t>(i) * 86400;
      record.duration = 600;
      record.cost = calls[i].cost;
      record.ratesChanged = 1;
      files.callLog.AppendRecord(record);
    }
  }
  files.callLog.Close();
  reports::CCostTrendsDlg trends({files.callLog, files.currentCall, files.pdb, files.myInfo},
                                 {3, 4, 2026}, &frame);
  trends.move(10, 10);
  trends.resize(1000, 560);
  Shoot(trends, "cost-trends.png");
  trends.hide();
}

// Plays a user who adds an entry through Lookup Data, times a call on it and opens the call
// log, saving the windows on the way. Messages are answered with OK.
// Plays a user who adds an entry through Lookup Data, times a call on it, opens the call log,
// and then the entry's contact log and memos, saving the windows on the way. Messages are
// answered with OK.
class Session {
 public:
  explicit Session(std::time_t& clock) : m_clock(clock) {}

  int Handle(QDialog& dialog) {
    dialog.move(40, 40);
    if (auto* list = qobject_cast<pdb::CPdbListDlg*>(&dialog)) {
      list->show();
      if (m_entryAdded) {
        QTest::qWait(300);  // the list loads once on screen
        ClickRow(&list->List(), RowOf(&list->List(), "Family", "Cousin Sam"));
        list->OnViewContactLog();
        list->OnViewMemo();
        PrintTo("database-record", [list] { list->OnPrintRecord(); });
      } else {
        list->OnAdd();
        m_entryAdded = true;
      }
      list->reject();
    } else if (auto* editor = qobject_cast<pdb::CPdbEditDlg*>(&dialog)) {
      FillEntry(*editor);
    } else if (auto* lookup = qobject_cast<pdb::CLookupDataDlg*>(&dialog)) {
      PickService(*lookup);
    } else if (auto* screen = qobject_cast<rating::CCallScreenDlg*>(&dialog)) {
      TimeCall(*screen);
    } else if (auto* log = qobject_cast<reports::CCallLogDlg*>(&dialog)) {
      log->resize(760, 460);
      if (m_printCallLog) {
        PrintTo("call-log", [log] { log->Button(reports::CallLogButton::Print).click(); });
      } else {
        Shoot(*log, "call-log.png");
      }
      log->reject();
    } else if (auto* contacts = qobject_cast<reports::CContactLogDlg*>(&dialog)) {
      contacts->resize(900, 560);
      contacts->FromMonth().setValue(1);
      contacts->show();
      ClickRow(&contacts->Calls().List(), 0);
      Shoot(*contacts, "contact-log.png");
      PrintTo("contact-log", [contacts] {
        contacts->Button(reports::ContactLogButton::Print).click();
      });
      contacts->reject();
    } else if (auto* printout = qobject_cast<print::CPrintDialog*>(&dialog)) {
      if (dynamic_cast<print::CMonthlyBillPrintDlg*>(printout))
        Shoot(*printout, "print-monthly-bill.png");
      else if (dynamic_cast<print::CPrintPdbDlg*>(printout))
        Shoot(*printout, "print-record.png");
      else if (dynamic_cast<print::CPrintCallLogDlg*>(printout))
        Shoot(*printout, "print-call-log.png");
      printout->OkButton().click();
    } else if (auto* memos = qobject_cast<reports::CMemoDlg*>(&dialog)) {
      Shoot(*memos, "memo-viewer.png");
      memos->reject();
    } else {
      dialog.reject();
    }
    return dialog.result();
  }

  // The next call log opened is printed rather than pictured.
  void PrintCallLogNext() { m_printCallLog = true; }

 private:
  void FillEntry(pdb::CPdbEditDlg& editor) {
    using pdb::EditButton;
    using pdb::EditField;
    editor.show();
    QTest::mouseClick(editor.Button(EditButton::Lookup), Qt::LeftButton);
    Type(editor.Field(EditField::Type), "Family");
    Type(editor.Field(EditField::Name), "Cousin Sam");
    Type(editor.Field(EditField::Prefix), "555");
    Type(editor.Field(EditField::Suffix), "0142");
    Type(editor.Field(EditField::Note), "Calls on Sundays");
    Shoot(editor, "record-editor.png");
    QTest::mouseClick(editor.Button(EditButton::TimeACall), Qt::LeftButton);
    QTest::mouseClick(editor.Button(EditButton::Ok), Qt::LeftButton);
  }

  void PickService(pdb::CLookupDataDlg& lookup) {
    lookup.show();
    Type(lookup.SearchField(), "Boulder");
    QTest::mouseClick(lookup.CriterionButton(data::SearchCriterion::City), Qt::LeftButton);
    ClickRow(lookup.LocationList(), RowOf(lookup.LocationList(), "Boulder", "Colorado"));
    ClickRow(lookup.TypeList(), RowOf(lookup.TypeList(), res::kServiceTypeResidental));
    ClickRow(lookup.ServiceList(), 0);
    Shoot(lookup, "lookup-data.png");
    QTest::mouseClick(lookup.OkButton(), Qt::LeftButton);
  }

  void TimeCall(rating::CCallScreenDlg& screen) {
    screen.show();
    QPushButton* main = screen.findChild<QPushButton*>("main");
    QTest::mouseClick(main, Qt::LeftButton);
    for (int second = 0; second < 187; ++second) {
      ++m_clock;
      screen.OnClockTick();
    }
    Shoot(screen, "call-screen-timing.png");
    screen.findChild<QPlainTextEdit*>("memo")->setPlainText("Asked about the visit in June");
    QTest::mouseClick(main, Qt::LeftButton);  // stop
    QTest::mouseClick(main, Qt::LeftButton);  // save
  }

  std::time_t& m_clock;
  bool m_entryAdded = false;
  bool m_printCallLog = false;
};

}  // namespace

int main(int argc, char** argv) {
  // The call is timed on a weekday morning whatever the machine's zone.
  qputenv("TZ", "UTC");
  tzset();
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: dorv_screenshots OUTPUT_DIR\n");
    return 2;
  }
  g_outputDir = QDir(argv[1]).absolutePath();
  QDir().mkpath(g_outputDir);

  test::TempDatabase db;
  screenshots::LayOutUserData(db);
  app::DataFiles files;
  files.memoCounter = std::make_unique<platform::SettingsMemoCounter>(
      QString::fromStdString(db.Path("settings.conf")));
  app::CMainFrame frame(files, [] { return true; });
  if (!frame.OnCreate()) return 1;
  frame.move(0, 0);
  frame.resize(800, 520);
  Shoot(frame, "main-window.png");

  pdb::CPdbListDlg list(files.pdb, files.myInfo, data::PdbKind::Toll, {}, &frame);
  list.move(40, 40);
  Shoot(list, "personal-database-list.png");
  list.hide();

  pdb::CSampleLookupDlg lookup(files.sample, files.myInfo, false, &frame);
  lookup.move(40, 40);
  lookup.show();
  QTest::keyClicks(lookup.SearchField(), "san");
  lookup.Search(data::SearchCriterion::City);
  lookup.List()->setCurrentIndex(lookup.List()->Model()->index(2, 0));
  Shoot(lookup, "sample-database-lookup.png");
  lookup.hide();

  ShootRecurringCharges(files, frame);

  // From here on no window may wait for a person: messages are answered and nested
  // dialogs played by the session.
  std::time_t clock = 1772618400;  // Wednesday 4 March 2026, 10:00
  frame.SetClock([&] { return clock; });
  Session session(clock);
  platform::SetPromptHook([](const QString&, QMessageBox::StandardButtons) { return QMessageBox::Ok; });
  platform::SetModalHook([&](QDialog& dialog) { return session.Handle(dialog); });
  ShootFirstTimeSetup(files, frame);
  frame.OnToll();
  frame.OnCallLog();
  ShootMonthlyBilling(files, frame);
  ShootCostTrends(files, frame);
  frame.OnToll();
  session.PrintCallLogNext();
  frame.OnCallLog();
  platform::SetModalHook({});
  return 0;
}
