#include <gtest/gtest.h>

#include <QMenuBar>
#include <QStatusBar>
#include <filesystem>

#include "app/MainFrame.h"
#include "data/FakeMemoCounter.h"
#include "data/SampleFixture.h"
#include "data/TempDatabase.h"
#include "platform/Messages.h"
#include "res/Strings.h"

using namespace dorv;
using dorv::test::FakeMemoCounter;
using dorv::test::TempDatabase;

namespace {

// What a start needs besides the files it creates: the two books and the sample files.
void WriteStartFiles(const TempDatabase& db) {
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  dorv::test::WriteMinimalSampleFiles(db);
}

// Runs a start that must fail and gives the one message it showed.
QString FailedStartMessage(app::DataFiles& files) {
  platform::ScriptedPrompter prompter;
  app::CMainFrame frame(files, [] { return true; });
  EXPECT_FALSE(frame.OnCreate());
  EXPECT_EQ(prompter.Shown().size(), 1u);
  return prompter.Shown().empty() ? QString() : prompter.Shown()[0];
}

}  // namespace

TEST(MainFrameStartup, FirstStartCreatesTollBookAndSettings) {
  TempDatabase db;
  WriteStartFiles(db);
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
    EXPECT_TRUE(files.sample.telcos.IsOpen());
    EXPECT_TRUE(files.hourDefinitions.IsOpen());
    EXPECT_TRUE(frame.LogoTimer().isActive());
    EXPECT_EQ(frame.LogoTimer().interval(), 10000);
    EXPECT_EQ(frame.menuBar()->actions().size(), 6);
  }
  // Destroying the frame closes every file.
  EXPECT_FALSE(files.pdb.IsOpen());
  EXPECT_FALSE(files.sample.unitedStates.IsOpen());
  EXPECT_FALSE(files.hourDefinitions.IsOpen());
}

TEST(MainFrameStartup, MissingTollFreeBookEndsWithOneMessage) {
  TempDatabase db;
  db.WriteFile("DORV23", "");
  dorv::test::WriteMinimalSampleFiles(db);
  platform::ScriptedPrompter prompter;
  app::DataFiles files;
  app::CMainFrame frame(files, [] { return true; });
  EXPECT_FALSE(frame.OnCreate());
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorPersonalDatabase);
  EXPECT_FALSE(files.pdb.IsOpen());
  EXPECT_FALSE(files.sample.international.IsOpen());
}

TEST(MainFrameStartup, AMissingSampleFileEndsBeforeTheSettingsAreTouched) {
  for (const char* name : {"dorv3", "dorv5", "dorv4", "dorv6", "dorv7", "dorv8", "dorv9"}) {
    SCOPED_TRACE(name);
    TempDatabase db;
    WriteStartFiles(db);
    std::filesystem::remove(db.Path(name));
    app::DataFiles files;
    EXPECT_EQ(FailedStartMessage(files), res::kErrorSampleDatabase);
    EXPECT_FALSE(db.Exists("MYINFO.BIN"));
    EXPECT_FALSE(files.sample.unitedStates.IsOpen());
    EXPECT_FALSE(files.sample.northAmericanStates.IsOpen());
  }
}

TEST(MainFrameStartup, MissingHourDefinitionsEndAfterTheBooksWereOpened) {
  TempDatabase db;
  WriteStartFiles(db);
  std::filesystem::remove(db.Path("dorv10"));
  app::DataFiles files;
  EXPECT_EQ(FailedStartMessage(files), res::kErrorHourDefinitions);
  EXPECT_TRUE(db.Exists("DORV21"));
  EXPECT_FALSE(files.pdb.IsOpen());
  EXPECT_FALSE(files.sample.telcos.IsOpen());
}

TEST(MainFrameStartup, StartsOnTheGeneratedSampleDatabase) {
#ifndef DORV_SAMPLEDB_DIR
  GTEST_SKIP() << "the sample database tables are not all present, nothing was generated";
#else
  TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  ASSERT_TRUE(dorv::test::CopySampleFiles(db, DORV_SAMPLEDB_DIR));
  {
    platform::ScriptedPrompter prompter;
    app::DataFiles files;
    app::CMainFrame frame(files, [] { return true; });
    ASSERT_TRUE(frame.OnCreate());
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_GT(files.sample.unitedStates.Count(), 0);
    EXPECT_GT(files.sample.international.Count(), 0);
    EXPECT_GT(files.hourDefinitions.Count(), 0);
  }
  std::filesystem::remove(db.Path("dorv3"));
  app::DataFiles again;
  EXPECT_EQ(FailedStartMessage(again), res::kErrorSampleDatabase);
#endif
}

TEST(MainFrameStartup, SoundOffIsRespected) {
  TempDatabase db;
  WriteStartFiles(db);
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
  WriteStartFiles(db);
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
  WriteStartFiles(db);
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
  WriteStartFiles(db);
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
  EXPECT_FALSE(files.sample.telcos.IsOpen());
  EXPECT_FALSE(db.Exists("MYINFO.BIN"));
}
