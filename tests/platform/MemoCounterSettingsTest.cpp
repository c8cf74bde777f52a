#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/Prompter.h"
#include "platform/MessageNotices.h"
#include "platform/Messages.h"
#include "platform/SettingsMemoCounter.h"

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
  QString file = dir.filePath("dorv.conf");
  {
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("[Dorv]\nNoteFile=seven\n");
  }
  SettingsMemoCounter counter(file);
  bool created = true;
  ASSERT_TRUE(counter.OpenPlace(created));
  EXPECT_FALSE(created);
  std::uint32_t value = 0;
  EXPECT_FALSE(counter.ReadValue(value));

  // A settings file below a plain file can never be written.
  QFile blocker(dir.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SettingsMemoCounter nowhere(dir.filePath("blocker/dorv.conf"));
  EXPECT_FALSE(nowhere.WriteValue(3));
}

TEST(MessageNotices, ShowsTheNoticeInAMessageBox) {
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  dorv::platform::MessageNotices notices;
  notices.Notice("a notice");
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], "a notice");
}
