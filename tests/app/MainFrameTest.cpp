#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include <sys/stat.h>

#include "support/Prompter.h"
#include "app/MainFrame.h"
#include "support/FakeMemoCounter.h"
#include "support/SampleFixture.h"
#include "support/TempDatabase.h"
#include "support/Unprivileged.h"
#include "support/Builders.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"
#include "settings/CMyInfoDlg.h"

using namespace dorv;
using dorv::test::FakeMemoCounter;
using dorv::test::TempDatabase;

namespace {

// What a start needs besides the files it creates: the two books and the sample files, and
// unless told otherwise settings stored before, so that no first-time setup runs.
void WriteStartFiles(const TempDatabase& db, bool settingsStored = true) {
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  dorv::test::WriteMinimalSampleFiles(db);
  if (settingsStored) dorv::test::WriteStoredSettings(db);
}

// Runs a start that must fail and gives the one message it showed.
QString FailedStartMessage(app::DataFiles& files) {
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  app::CMainFrame frame(files, [] { return true; });
  EXPECT_FALSE(frame.OnCreate());
  EXPECT_EQ(prompter.Shown().size(), 1u);
  return prompter.Shown().empty() ? QString() : prompter.Shown()[0];
}

}  // namespace

TEST(MainFrameStartup, MissingTollFreeBookEndsWithOneMessage) {
  TempDatabase db;
  db.WriteFile("DORV23", "");
  dorv::test::WriteMinimalSampleFiles(db);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
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
    WriteStartFiles(db, false);
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
  dorv::test::WriteStoredSettings(db);
  {
    dorv::test::Prompter prompter;
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

TEST(MainFrameStartup, ASecondStartOnTheSameDataEndsAndLeavesTheFirstRunning) {
  TempDatabase db;
  WriteStartFiles(db);
  app::DataFiles firstFiles;
  app::CMainFrame first(firstFiles, [] { return true; });
  ASSERT_TRUE(first.OnCreate());
  for (int attempt = 0; attempt < 2; ++attempt) {  // a refused start does not free the directory
    app::DataFiles files;
    EXPECT_EQ(FailedStartMessage(files), platform::ShownText(res::kErrorAlreadyRunning));
  }
  EXPECT_TRUE(firstFiles.pdb.IsOpen());
  first.close();
  app::DataFiles next;
  app::CMainFrame again(next, [] { return true; });
  EXPECT_TRUE(again.OnCreate());
}

TEST(MainFrameStartup, WhatKeepsTheDataFromUseIsNamedAndNothingIsWritten) {
  for (const bool readOnly : {true, false}) {  // else an empty state table
    TempDatabase db;
    WriteStartFiles(db);
    const std::string folder = std::filesystem::path(db.Path("")).parent_path();
    chmod((folder + "/..").c_str(), 0755);
    if (readOnly) chmod(folder.c_str(), 0555);
    else db.WriteFile("dorv7", "");
    std::optional<dorv::test::Unprivileged> user;  // the superuser may write anywhere
    if (readOnly && !user.emplace().Active()) GTEST_SKIP() << "cannot change the user";
    app::DataFiles files;
    const QString expected =
        readOnly ? QString::asprintf(res::kErrorDataFolderReadOnly, folder.c_str())
                 : QString::asprintf(res::kErrorSampleFileDamaged, "dorv7", res::kSampleDamageEmpty);
    EXPECT_EQ(FailedStartMessage(files), platform::ShownText(expected));
    EXPECT_FALSE(db.Exists("DORV98"));
    EXPECT_FALSE(db.Exists("DORV21"));
  }
}

TEST(MainFrameStartup, SoundOffIsRespected) {
  TempDatabase db;
  WriteStartFiles(db);
  {
    data::MyInfoFile file;
    ASSERT_TRUE(file.Open());
    data::MyInfo info;
    data::ClearMyInfo(info);
    info.infoStored = 1;
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
  WriteStartFiles(db, false);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
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

namespace {

data::LocationRow AlbanyLocation() {
  data::LocationRow row;
  row.city = "Albany";
  row.stateCode = "NY";
  row.state = "New York";
  row.postalCode = "12207";
  row.country = "United States";
  row.region = 1;
  row.areaCode = 518;
  row.countryCode = 1;
  return row;
}

// A user who types the first-time setup through: name and address, the location picked when
// the address is left, the telephone number, then OK.
void WalkThroughSetup(QDialog& dialog) {
  EXPECT_NE(qobject_cast<settings::CMyInfoDlg*>(&dialog), nullptr);
  EXPECT_FALSE(dialog.findChild<QPushButton*>("dialingInformation")->isEnabled());
  dorv::test::TypeInto(dialog.findChild<QLineEdit*>("name"), "Ann Smith");
  dorv::test::TypeInto(dialog.findChild<QLineEdit*>("address"), "1 Main St");
  QTest::keyClick(dialog.findChild<QLineEdit*>("address"), Qt::Key_Tab);
  dorv::test::TypeInto(dialog.findChild<QLineEdit*>("prefix"), "555");
  dorv::test::TypeInto(dialog.findChild<QLineEdit*>("suffix"), "0100");
  QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
}

}  // namespace

TEST(MainFrameStartup, AFirstStartWalksThroughTheSetupIntoTheMainWindow) {
  TempDatabase db;
  WriteStartFiles(db, false);
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  {
    app::DataFiles firstFiles;
    firstFiles.memoCounter = std::make_unique<FakeMemoCounter>();
    int sounds = 0;
    {
      app::CMainFrame frame(firstFiles, [&] { return ++sounds, true; });
      frame.SetMyInfoOpeners({[](QWidget*) { return std::optional(AlbanyLocation()); }, {}});
      dorv::test::ModalScript setup(WalkThroughSetup);
      ASSERT_TRUE(frame.OnCreate());
      EXPECT_EQ(setup.Runs(), 1);
      ASSERT_EQ(prompter.Shown().size(), 1u);
      EXPECT_EQ(prompter.Shown()[0], res::kMyInfoPickLocation);
      EXPECT_EQ(firstFiles.myInfo.infoStored, 1u);
      EXPECT_STREQ(firstFiles.myInfo.city, "Albany");
      EXPECT_STREQ(firstFiles.myInfo.intlAccessCode, "011");
      // The toll book and the memo numbering are created on the way.
      EXPECT_TRUE(db.Exists("DORV21"));
      EXPECT_EQ(db.ReadFile("DORV21").size(), 0u);
      std::uint32_t one = 1;
      EXPECT_EQ(db.ReadFile("DORV98"), std::string(reinterpret_cast<const char*>(&one), 4));
      EXPECT_EQ(sounds, 1);
      EXPECT_TRUE(firstFiles.pdb.IsOpen());
      EXPECT_TRUE(firstFiles.sample.telcos.IsOpen());
      EXPECT_TRUE(firstFiles.hourDefinitions.IsOpen());
      EXPECT_TRUE(frame.LogoTimer().isActive());
    }
    // Destroying the frame closes every file.
    EXPECT_FALSE(firstFiles.pdb.IsOpen());
    EXPECT_FALSE(firstFiles.sample.unitedStates.IsOpen());
    EXPECT_FALSE(firstFiles.hourDefinitions.IsOpen());
  }
  // The settings are on disk: the next start goes straight to the main window.
  const std::string stored = db.ReadFile("MYINFO.BIN");
  ASSERT_EQ(stored.size(), sizeof(data::MyInfo));
  EXPECT_EQ(reinterpret_cast<const data::MyInfo*>(stored.data())->infoStored, 1u);
  app::DataFiles files;
  app::CMainFrame frame(files, [] { return true; });
  dorv::test::ModalScript noSetup([](QDialog& dialog) { dialog.reject(); });
  EXPECT_TRUE(frame.OnCreate());
  EXPECT_EQ(noSetup.Runs(), 0);
}

TEST(MainFrameStartup, CancellingTheFirstTimeSetupEndsWithEveryFileClosed) {
  data::MyInfo neverStored;
  data::ClearMyInfo(neverStored);
  struct Case {
    const char* name;
    bool writeSettings;
    std::string settings;
  };
  const Case cases[] = {
      {"no settings file", false, ""},
      {"a settings file too short to read", true, "short"},
      {"settings never stored",
       true, std::string(reinterpret_cast<const char*>(&neverStored), sizeof neverStored)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDatabase db;
    WriteStartFiles(db, false);
    if (c.writeSettings) db.WriteFile("MYINFO.BIN", c.settings);
    dorv::test::Prompter prompter;
    app::DataFiles files;
    app::CMainFrame frame(files, [] { return true; });
    // Nothing changed: Cancel closes it without a question.
    dorv::test::ModalScript setup([](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(frame.OnCreate());
    EXPECT_EQ(setup.Runs(), 1);
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_FALSE(files.pdb.IsOpen());
    EXPECT_FALSE(files.sample.unitedStates.IsOpen());
    EXPECT_FALSE(files.sample.telcos.IsOpen());
    EXPECT_FALSE(files.hourDefinitions.IsOpen());
    EXPECT_EQ(files.myInfoFile.Write(files.myInfo), false);  // its handle is closed too
  }
}
