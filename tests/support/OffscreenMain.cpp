#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "support/Prompter.h"

// Widget tests run on Qt's offscreen platform unless the caller chose another, keep whatever
// they store as user settings in a directory of their own, and fail on any message box that
// no test scripted.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QTemporaryDir settingsHome;
  setenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit().constData(), 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  dorv::test::FailUnscriptedMessages();
  return RUN_ALL_TESTS();
}
