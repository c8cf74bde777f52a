#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/SettingsMemoCounter.h"

using dorv::platform::SettingsMemoCounter;

TEST(SettingsMemoCounter, KeepsTheNumberAcrossRunsAndFailsOnAnUnreadableValueOrPlace) {
  QTemporaryDir dir;
  const QString file = dir.filePath("dorv.conf");
  bool created = false;
  std::uint32_t value = 0;
  {
    SettingsMemoCounter counter(file);
    ASSERT_TRUE(counter.OpenPlace(created));
    EXPECT_TRUE(created);
    EXPECT_FALSE(counter.ReadValue(value));
    ASSERT_TRUE(counter.WriteValue(4000000000u));
  }
  SettingsMemoCounter again(file);
  ASSERT_TRUE(again.OpenPlace(created));
  EXPECT_FALSE(created);
  ASSERT_TRUE(again.ReadValue(value));
  EXPECT_EQ(value, 4000000000u);

  QFile text(file);
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("[Dorv]\nNoteFile=seven\n");
  text.close();
  SettingsMemoCounter unreadable(file);
  ASSERT_TRUE(unreadable.OpenPlace(created));
  EXPECT_FALSE(unreadable.ReadValue(value));
  // A settings file below a plain file can never be written.
  SettingsMemoCounter nowhere(dir.filePath("dorv.conf/dorv.conf"));
  EXPECT_FALSE(nowhere.WriteValue(3));
}
