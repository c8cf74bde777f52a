// Shows Dorv's windows on the X server and saves what the server shows of each.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "ScreenshotData.h"
#include "app/DataFiles.h"
#include "app/MainFrame.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/CSampleLookupDlg.h"
#include "platform/SettingsMemoCounter.h"

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
}

}  // namespace

int main(int argc, char** argv) {
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
  lookup.Search(pdb::SearchCriterion::City);
  lookup.List()->setCurrentIndex(lookup.List()->Model()->index(2, 0));
  Shoot(lookup, "sample-database-lookup.png");
  lookup.hide();
  return 0;
}
