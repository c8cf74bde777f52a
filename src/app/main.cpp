#include <QApplication>

#include "app/DataFiles.h"
#include "app/MainFrame.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Ties the windows to the desktop entry, for the desktop's icon and task list.
  QGuiApplication::setDesktopFileName("local.dorv.Dorv");
  dorv::app::DataFiles files;
  dorv::app::CMainFrame frame(files);
  if (!frame.OnCreate()) return 1;
  frame.show();
  return application.exec();
}
