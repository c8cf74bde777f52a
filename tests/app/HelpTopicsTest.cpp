#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "app/HelpTopics.h"

using namespace dorv;

TEST(HelpTopics, AWindowsClassNameGivesItsTopic) {
  const struct {
    const char* className;
    const char* anchor;
  } cases[] = {{"dorv::pdb::CPdbListDlg", "books"},
               {"dorv::settings::CMyInfoDlg", "setup"},
               {"CCallScreenDlg", "timing"},
               {"QPrintPreviewDialog", "printing"},
               {"dorv::app::CMainFrame", ""},
               {"QMessageBox", ""},
               {"dorv::pdb::CPdbListDlgX", ""}};
  for (const auto& c : cases) EXPECT_EQ(app::HelpAnchorOf(c.className), c.anchor) << c.className;
}

// Every topic and every link of the guide lands on an anchor the guide has.
TEST(HelpTopics, EveryTopicAndLinkHasItsPlaceInTheGuide) {
  QFile file(":/help/guide.html");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString guide = QString::fromUtf8(file.readAll());
  auto hasAnchor = [&](const QString& anchor) {
    return guide.contains(QString("name=\"%1\"").arg(anchor));
  };
  for (const app::HelpTopic& topic : app::HelpTopics())
    EXPECT_TRUE(hasAnchor(QString::fromLatin1(topic.anchor.data(), topic.anchor.size())))
        << topic.windowClass;
  for (const auto& link : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(guide))
    EXPECT_TRUE(hasAnchor(link.captured(1))) << link.captured(1).toStdString();
}
