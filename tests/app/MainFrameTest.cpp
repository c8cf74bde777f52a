#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "app/MainFrame.h"
#include "platform/Messages.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/FakeMemoCounter.h"
#include "support/SampleFixture.h"
#include "support/Unprivileged.h"

using namespace dorv;
using dorv::test::Child;
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

// Runs a start that must fail and gives the one message it showed (a second fails the test).
QString FailedStartMessage(app::DataFiles& files) {
  dorv::test::Prompter prompter{QMessageBox::Ok};
  app::CMainFrame frame(files, [] { return true; });
  EXPECT_FALSE(frame.OnCreate());
  return prompter.Shown().empty() ? QString() : prompter.Shown()[0];
}

void ExpectAllClosed(const app::DataFiles& files) {
  const data::SampleTables& s = files.sample;
  EXPECT_FALSE(files.pdb.IsOpen() || files.hourDefinitions.IsOpen() || s.unitedStates.IsOpen() ||
               s.canada.IsOpen() || s.mexico.IsOpen() || s.international.IsOpen() ||
               s.northAmericanStates.IsOpen() || s.otherStates.IsOpen() || s.telcos.IsOpen());
}

}  // namespace

// Each missing or inconsistent file ends the start with its message, every file closed, and
// nothing made by the steps that follow it (the settings come after the sample files).
TEST(MainFrameStartup, EachFaultEndsTheStartWithItsMessageAndEveryFileClosed) {
  struct Row {
    std::string name;
    bool settingsStored;
    QString message;
    const char* made;    // by the steps before the fault
    const char* unmade;  // by the steps after it
  };
  std::vector<Row> rows = {{"DORV22", false, res::kErrorPersonalDatabase, "MYINFO.BIN", nullptr},
                           {"dorv10", true, res::kErrorHourDefinitions, "DORV21", nullptr},
                           {"memo numbering", false, platform::ShownText(res::kErrorMemoNumbering),
                            nullptr, "MYINFO.BIN"},
                           {"dorv7 empty", true,
                            platform::ShownText(QString::asprintf(
                                res::kErrorSampleFileDamaged, "dorv7", res::kSampleDamageEmpty)),
                            nullptr, "DORV98"}};
  for (const char* name : {"dorv3", "dorv5", "dorv4", "dorv6", "dorv7", "dorv8", "dorv9"})
    rows.push_back({name, false, res::kErrorSampleDatabase, nullptr, "MYINFO.BIN"});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDatabase db;
    WriteStartFiles(db, row.settingsStored);
    app::DataFiles files;
    if (row.name == "memo numbering") {
      auto counter = std::make_unique<FakeMemoCounter>();
      counter->failWrite = true;
      files.memoCounter = std::move(counter);
    } else if (row.name == "dorv7 empty") {
      db.WriteFile("dorv7", "");
    } else {
      std::filesystem::remove(db.Path(row.name));
    }
    EXPECT_EQ(FailedStartMessage(files), row.message);
    ExpectAllClosed(files);
    EXPECT_TRUE(!row.made || db.Exists(row.made));
    EXPECT_TRUE(!row.unmade || !db.Exists(row.unmade));
  }
}

// A start with settings stored, sound off among them, makes no sound; a second start on the
// same data ends and leaves the first running.
TEST(MainFrameStartup, AStartWithSettingsKeepsQuietAndASecondStartOnTheSameDataEnds) {
  TempDatabase db;
  WriteStartFiles(db, false);
  data::MyInfo quiet;
  data::ClearMyInfo(quiet);
  quiet.infoStored = quiet.soundOff = 1;
  db.WriteFile("MYINFO.BIN", dorv::test::RecordBytes(quiet));
  app::DataFiles firstFiles;
  int sounds = 0;
  app::CMainFrame first(firstFiles, [&] { return ++sounds, true; });
  ASSERT_TRUE(first.OnCreate());
  EXPECT_EQ(sounds, 0);
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

TEST(MainFrameStartup, AReadOnlyDataFolderIsNamedAndNothingIsWritten) {
  TempDatabase db;
  WriteStartFiles(db);
  const std::string folder = std::filesystem::path(db.Path("")).parent_path();
  chmod((folder + "/..").c_str(), 0755);
  chmod(folder.c_str(), 0555);
  dorv::test::Unprivileged user;  // the superuser may write anywhere
  if (!user.Active()) GTEST_SKIP() << "cannot change the user";
  app::DataFiles files;
  EXPECT_EQ(FailedStartMessage(files),
            platform::ShownText(QString::asprintf(res::kErrorDataFolderReadOnly, folder.c_str())));
  EXPECT_FALSE(db.Exists("DORV98") || db.Exists("DORV21"));
}

// A user who types the first-time setup through: name and address, the location picked when
// the address is left, the telephone number, then OK.
TEST(MainFrameStartup, AFirstStartWalksThroughTheSetupIntoTheMainWindow) {
  TempDatabase db;
  WriteStartFiles(db, false);
  dorv::test::Prompter prompter{QMessageBox::Ok};
  {
    app::DataFiles firstFiles;
    firstFiles.memoCounter = std::make_unique<FakeMemoCounter>();
    int sounds = 0;
    {
      app::CMainFrame frame(firstFiles, [&] { return ++sounds, true; });
      frame.SetMyInfoOpeners({[](QWidget*) {
                                return std::optional(dorv::test::MakeLocationRow(
                                    "Albany", "New York", "United States", 1, 518));
                              },
                              {}});
      dorv::test::ModalScript setup([](QDialog& dialog) {
        auto type = [&](const char* field, const char* text) {
          dorv::test::TypeInto(Child<QLineEdit>(dialog, field), text);
        };
        type("name", "Ann Smith");
        type("address", "1 Main St");
        QTest::keyClick(Child<QLineEdit>(dialog, "address"), Qt::Key_Tab);
        type("prefix", "555");
        type("suffix", "0100");
        dorv::test::Click(Child<QPushButton>(dialog, "ok"));
      });
      ASSERT_TRUE(frame.OnCreate());
      dorv::test::ExpectShown(prompter, {res::kMyInfoPickLocation});
      EXPECT_STREQ(firstFiles.myInfo.city, "Albany");
      // The toll book and the memo numbering are created on the way.
      EXPECT_TRUE(db.Exists("DORV21") && db.ReadFile("DORV21").empty());
      EXPECT_EQ(db.ReadFile("DORV98"), dorv::test::RecordBytes(std::uint32_t{1}));
      EXPECT_EQ(sounds, 1);
      EXPECT_TRUE(firstFiles.pdb.IsOpen() && firstFiles.sample.telcos.IsOpen() &&
                  firstFiles.hourDefinitions.IsOpen());
    }
    ExpectAllClosed(firstFiles);  // destroying the frame closes every file
  }
  // The settings are on disk: the next start goes straight to the main window.
  app::DataFiles files;
  app::CMainFrame frame(files, [] { return true; });
  dorv::test::ModalScript noSetup([](QDialog& dialog) { dialog.reject(); });
  EXPECT_TRUE(frame.OnCreate());
  EXPECT_EQ(noSetup.Runs(), 0);
}

TEST(MainFrameStartup, CancellingTheFirstTimeSetupEndsWithEveryFileClosed) {
  data::MyInfo neverStored;
  data::ClearMyInfo(neverStored);
  const std::pair<const char*, std::string> cases[] = {
      {"a settings file too short to read", "short"},
      {"settings never stored", dorv::test::RecordBytes(neverStored)}};
  for (const auto& [name, settings] : cases) {
    SCOPED_TRACE(name);
    TempDatabase db;
    WriteStartFiles(db, false);
    db.WriteFile("MYINFO.BIN", settings);
    app::DataFiles files;
    app::CMainFrame frame(files, [] { return true; });
    // Nothing changed: Cancel closes it without a question (any message fails the test).
    dorv::test::ModalScript setup([](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(frame.OnCreate());
    EXPECT_EQ(setup.Runs(), 1);
    ExpectAllClosed(files);
    EXPECT_EQ(files.myInfoFile.Write(files.myInfo), false);  // its handle is closed too
  }
}
