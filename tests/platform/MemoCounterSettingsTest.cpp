#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/MessageNotices.h"
#include "platform/SettingsMemoCounter.h"
#include "support/Prompter.h"

using dorv::platform::SettingsMemoCounter;

TEST(SettingsMemoCounter, KeepsTheNumberAcrossRuns) {
  QTemporaryDir dir;
  QString file = dir.filePath("dorv.conf");
  {
    SettingsMemoCounter counter(file);
    bool created = false;
    ASSERT_TRUE(counter.OpenPlace(created));
    EXPECT_TRUE(created);
    std::uint32_t value = 0;
    EXPECT_FALSE(counter.ReadValue(value));
    ASSERT_TRUE(counter.WriteValue(4000000000u));
  }
  SettingsMemoCounter again(file);
  bool created = true;
  ASSERT_TRUE(again.OpenPlace(created));
  EXPECT_FALSE(created);
  std::uint32_t value = 0;
  ASSERT_TRUE(again.ReadValue(value));
  EXPECT_EQ(value, 4000000000u);
}

TEST(SettingsMemoCounter, UnreadableValueAndUnwritablePlaceFail) {
  QTemporaryDir dir;
  QFile text(dir.filePath("dorv.conf"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("[Dorv]\nNoteFile=seven\n");
  text.close();
  SettingsMemoCounter counter(text.fileName());
  bool created = true;
  ASSERT_TRUE(counter.OpenPlace(created));
  EXPECT_FALSE(created);
  std::uint32_t value = 0;
  EXPECT_FALSE(counter.ReadValue(value));
  // A settings file below a plain file can never be written.
  SettingsMemoCounter nowhere(dir.filePath("dorv.conf/dorv.conf"));
  EXPECT_FALSE(nowhere.WriteValue(3));
}

TEST(MessageNotices, ShowsTheNoticeInAMessageBox) {
  dorv::test::Prompter prompter{QMessageBox::Ok};
  dorv::platform::MessageNotices notices;
  notices.Notice("a notice");
  dorv::test::ExpectShown(prompter, {"a notice"});
}
