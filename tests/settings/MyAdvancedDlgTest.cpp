#include <gtest/gtest.h>

#include <QComboBox>
#include <cstring>
#include <filesystem>

#include "support/Prompter.h"
#include "data/FixedText.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"
#include "settings/CMyAdvancedDlg.h"
#include "settings/SettingsTestSupport.h"

using namespace dorv;
using namespace dorv::settings;
using namespace dorv::test;

namespace {

const char* const kEditNames[] = {
    "outsideLine",      "longDistanceAccess",   "intlAccessCode",       "infoLocal",
    "infoLongDistance", "infoInternational",    "infoTollFree",         "infoAudioTex",
    "repeatDialing",    "callReturn",           "callForwardingOn",     "speedDial",
    "callWaiting",      "callWaitingOff",       "internationalCall",    "threeWayCalling",
    "operatorLocal",    "operatorLongDistance", "operatorInternational"};
const char* const kRateBoxes[] = {"defaultRateLocal", "defaultRateLongDistance",
                                  "defaultRateInternational"};

class MyAdvancedDlgTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    const char* co = "Test Telephone";
    WriteRateFile(m_database, "dorv11", {{co, "DIRECT DIAL"}, {co, "EVENING SAVER"}});
    WriteRateFile(m_database, "dorv13",
                  {{co, "DIRECT DIAL"}, {co, "WORLD SAVER"}, {co, "GLOBAL ONE RATE"}});
    WriteRateFile(m_database, "dorv14",
                  {{co, "DIRECT DIAL"}, {co, "NEIGHBOR PLAN"}, {co, "LOCAL ONE RATE"}});
    data::ApplyNorthAmericanDefaults(m_info);
    data::WriteField(m_info.defaultRateLocal, "NEIGHBOR PLAN");
    data::WriteField(m_info.country, "Canada");
    m_info.infoStored = 1;
    StoreInfo();
  }

  static QStringList Entries(QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    return entries;
  }
};

// Which rate files a country uses is the rules test's; here each box lists its file's services.
TEST_F(MyAdvancedDlgTest, EachDefaultRateBoxListsItsFileAndSelectsTheStoredName) {
  const QStringList lists[3] = {{"DIRECT DIAL", "NEIGHBOR PLAN", "LOCAL ONE RATE"},
                                {"DIRECT DIAL", "EVENING SAVER"},
                                {"DIRECT DIAL", "WORLD SAVER", "GLOBAL ONE RATE"}};
  const QString selected[3] = {"NEIGHBOR PLAN", "DIRECT DIAL", "DIRECT DIAL"};
  dorv::test::Prompter prompter;
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kEditing, m_info, m_file);
  EXPECT_TRUE(prompter.Shown().empty());
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(kRateBoxes[i]);
    auto* box = Child<QComboBox>(dialog, kRateBoxes[i]);
    EXPECT_EQ(Entries(box), lists[i]);
    EXPECT_EQ(box->currentText(), selected[i]);
  }
}

TEST_F(MyAdvancedDlgTest, EditingStoresEveryFieldOnOk) {
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kEditing, m_info, m_file);
  ShowForUser(dialog);
  auto* outside = Child<QLineEdit>(dialog, "outsideLine");
  EXPECT_EQ(Child<QLineEdit>(dialog, "intlAccessCode")->text(), "011");
  EXPECT_EQ(Child<QLineEdit>(dialog, "infoTollFree")->text(), "1-800-555-1212");
  TypeInto(outside, "9");
  TypeInto(Child<QLineEdit>(dialog, "callWaiting"), "*70*70*70*70*70*70");  // cut to 15
  TypeInto(Child<QLineEdit>(dialog, "operatorLocal"), "");
  ChooseEntry(Child<QComboBox>(dialog, "defaultRateInternational"), 2);
  EXPECT_TRUE(dialog.Changed());
  Click(Child<QPushButton>(dialog, "ok"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const data::MyInfo stored = StoredInfo();
  EXPECT_EQ(std::memcmp(&stored, &m_info, sizeof stored), 0);
  EXPECT_EQ(data::ReadField(stored.outsideLine), "9");
  EXPECT_EQ(data::ReadField(stored.callWaiting), "*70*70*70*70*70");
  EXPECT_EQ(data::ReadField(stored.operatorLocal), "");
  EXPECT_EQ(data::ReadField(stored.defaultRateInternational), "GLOBAL ONE RATE");
  EXPECT_EQ(data::ReadField(stored.defaultRateLocal), "NEIGHBOR PLAN");
  EXPECT_EQ(data::ReadField(stored.speedDial), "74#");
}

TEST_F(MyAdvancedDlgTest, ReadOnlyModeChangesNothing) {
  const std::string before = StoredBytes();
  const data::MyInfo original = m_info;
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kReadOnly, m_info, m_file);
  ShowForUser(dialog);
  for (const char* name : kEditNames) {
    SCOPED_TRACE(name);
    auto* edit = Child<QLineEdit>(dialog, name);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
  }
  for (const char* name : kRateBoxes) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(Child<QComboBox>(dialog, name)->isEnabled());
    EXPECT_EQ(Child<QComboBox>(dialog, name)->focusPolicy(), Qt::NoFocus);
  }
  auto* outside = Child<QLineEdit>(dialog, "outsideLine");
  QTest::keyClicks(outside, "9");
  EXPECT_EQ(outside->text(), "");
  EXPECT_FALSE(dialog.Changed());
  Click(Child<QPushButton>(dialog, "ok"));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(StoredBytes(), before);
  EXPECT_EQ(std::memcmp(&original, &m_info, sizeof original), 0);
}

TEST_F(MyAdvancedDlgTest, AnUnreadableRateFileIsToldOnceAndKeepsTheStoredName) {
  std::filesystem::remove(m_database.Path("dorv18"));  // the index of dorv13
  data::WriteField(m_info.country, "Mexico");
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kEditing, m_info, m_file);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorRateFile);
  EXPECT_EQ(Child<QComboBox>(dialog, "defaultRateLocal")->count(), 0);
  dialog.accept();
  EXPECT_EQ(data::ReadField(StoredInfo().defaultRateLocal), "NEIGHBOR PLAN");
  EXPECT_EQ(data::ReadField(StoredInfo().defaultRateInternational), "DIRECT DIAL");
}

TEST_F(MyAdvancedDlgTest, CancelWithChangesAsks) {
  ExpectCancelAnswers(
      [this] { return std::make_unique<CMyAdvancedDlg>(CMyAdvancedDlg::kEditing, m_info, m_file); },
      [](QDialog& dialog) { ChooseEntry(Child<QComboBox>(dialog, "defaultRateLongDistance"), 1); },
      [this] {
        EXPECT_EQ(data::ReadField(StoredInfo().defaultRateLongDistance), "EVENING SAVER");
      });
}

}  // namespace
