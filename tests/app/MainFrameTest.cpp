#include <gtest/gtest.h>

#include <QMenuBar>
#include <QStatusBar>

#include "app/MainFrame.h"
#include "data/FakeMemoCounter.h"
#include "data/TempDatabase.h"
#include "platform/Messages.h"
#include "res/Strings.h"

using namespace dorv;
using dorv::test::FakeMemoCounter;
using dorv::test::TempDatabase;

TEST(MainFrameStartup, FirstStartCreatesTollBookAndSettings) {
  TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  platform::ScriptedPrompter prompter;
  app::DataFiles files;
  int sounds = 0;
  {
    app::CMainFrame frame(files, [&] { return ++sounds, true; });
    ASSERT_TRUE(frame.OnCreate());
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_EQ(db.ReadFile("DORV21").size(), 0u);
    EXPECT_EQ(db.ReadFile("MYINFO.BIN").size(), 3552u);
    std::uint32_t one = 1;
    EXPECT_EQ(db.ReadFile("DORV98"), std::string(reinterpret_cast<const char*>(&one), 4));
    EXPECT_EQ(sounds, 1);
    EXPECT_TRUE(files.pdb.IsOpen());
    EXPECT_TRUE(frame.LogoTimer().isActive());
    EXPECT_EQ(frame.LogoTimer().interval(), 10000);
    EXPECT_EQ(frame.menuBar()->actions().size(), 6);
  }
  // Destroying the frame closes every file.
  EXPECT_FALSE(files.pdb.IsOpen());
}

TEST(MainFrameStartup, MissingTollFreeBookEndsWithOneMessage) {
  TempDatabase db;
  db.WriteFile("DORV23", "");
  platform::ScriptedPrompter prompter;
  app::DataFiles files;
  app::CMainFrame frame(files, [] { return true; });
  EXPECT_FALSE(frame.OnCreate());
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorPersonalDatabase);
  EXPECT_FALSE(files.pdb.IsOpen());
}

TEST(MainFrameStartup, SoundOffIsRespected) {
  TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  {
    data::MyInfoFile file;
    ASSERT_TRUE(file.Open());
    data::MyInfo info;
    data::ClearMyInfo(info);
    info.soundOff = 1;
    ASSERT_TRUE(file.Write(info));
  }
  app::DataFiles files;
  int sounds = 0;
  app::CMainFrame frame(files, [&] { return ++sounds, true; });
  ASSERT_TRUE(frame.OnCreate());
  EXPECT_EQ(sounds, 0);
}

TEST(MainFrameLogo, GoesAtTheSecondPaint) {
  TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  app::DataFiles files;
  app::CMainFrame frame(files, [] { return true; });
  ASSERT_TRUE(frame.OnCreate());
  app::LogoArea* logo = frame.Logo();
  EXPECT_EQ(logo->LogoState(), 0);
  logo->resize(500, 300);
  logo->grab();
  EXPECT_EQ(logo->LogoState(), 1);
  frame.OnLogoTimer();
  EXPECT_FALSE(frame.LogoTimer().isActive());
  logo->grab();
  EXPECT_EQ(logo->LogoState(), 2);
  EXPECT_EQ(app::LogoArea::LogoOrigin(QSize(501, 300), QSize(360, 200)), QPoint(70, 50));
}

TEST(MainFrameStartup, MemoNumberingIsReconciledFirst) {
  TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  std::uint32_t nine = 9;
  db.WriteFile("DORV98", std::string(reinterpret_cast<const char*>(&nine), 4));
  app::DataFiles files;
  auto counter = std::make_unique<FakeMemoCounter>();
  counter->placeExists = true;
  counter->value = 5;
  FakeMemoCounter& stored = *counter;
  files.memoCounter = std::move(counter);
  app::CMainFrame frame(files, [] { return true; });
  ASSERT_TRUE(frame.OnCreate());
  EXPECT_EQ(stored.value, 9u);
}

TEST(MainFrameStartup, InconsistentMemoNumberingEndsBeforeAnyFileOpens) {
  TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  platform::ScriptedPrompter prompter;
  app::DataFiles files;
  auto counter = std::make_unique<FakeMemoCounter>();
  counter->failWrite = true;
  files.memoCounter = std::move(counter);
  app::CMainFrame frame(files, [] { return true; });
  EXPECT_FALSE(frame.OnCreate());
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(res::kErrorMemoNumbering));
  EXPECT_FALSE(files.pdb.IsOpen());
  EXPECT_FALSE(db.Exists("MYINFO.BIN"));
}
