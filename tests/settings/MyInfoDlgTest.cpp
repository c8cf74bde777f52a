#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "data/FixedText.h"
#include "data/LocationSearch.h"
#include "data/MyInfo.h"
#include "rating/dialogs/CSurchargeListDlg.h"
#include "reports/CRecurringChargesDlg.h"
#include "res/Strings.h"
#include "settings/CMyAdvancedDlg.h"
#include "settings/CMyInfoDlg.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/TempDatabase.h"

using namespace dorv;
using namespace dorv::settings;
using namespace dorv::test;

namespace {

// Openers whose pickers answer from what the test set, and count how often they ran.
struct FakeOpeners {
  std::optional<data::LocationRow> location;
  int locationPicks = 0;
  std::optional<std::pair<std::int32_t, std::string>> telco;  // none: the choice is refused
  std::pair<std::int32_t, std::string> telcoOffered{-1, ""};

  MyInfoOpeners Openers() {
    return {[this](QWidget*) {
              ++locationPicks;
              return location;
            },
            [this](std::int32_t& code, std::string& company, QWidget*) {
              telcoOffered = {code, company};
              if (telco) std::tie(code, company) = *telco;
              return telco.has_value();
            }};
  }
};

// Clicks a check box or radio button on its indicator, which a layout may keep far from the
// middle of a stretched button.
void ClickIndicator(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// A settings file holding the record, open in the fixture; the record as the file holds it; the
// record complete as Setup > Personal Preferences finds it.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_file.Open());
    data::ClearMyInfo(m_info);
    StoreInfo();
  }
  void StoreInfo() { ASSERT_TRUE(m_file.Write(m_info)); }
  data::MyInfo StoredInfo() const {
    data::MyInfoFile file;
    data::MyInfo stored{};
    EXPECT_TRUE(file.Open() && file.Read(stored));
    return stored;
  }
  std::string StoredBytes() const { return m_database.ReadFile("MYINFO.BIN"); }
  void StoreCompleteInfo() {
    data::WriteField(m_info.name, "Ann Smith");
    data::WriteField(m_info.address, "1 Main St");
    data::WriteField(m_info.city, "Albany");
    data::WriteField(m_info.state, "New York");
    data::WriteField(m_info.postalCode, "12207");
    data::WriteField(m_info.country, "United States");
    data::WriteField(m_info.areaCode, "518");
    data::WriteField(m_info.prefix, "555");
    data::WriteField(m_info.suffix, "0100");
    m_info.infoStored = 1;
    StoreInfo();
  }

  // Cancel after `change` asks the personal information question: No leaves the record and its
  // file byte for byte as they were; Yes stores, which the caller checks. The shared question's
  // answers themselves are the platform test's.
  void ExpectCancelAsksThenYesStores(const std::function<std::unique_ptr<QDialog>()>& open,
                                     const std::function<void(QDialog&)>& change) {
    const std::string original = RecordBytes(m_info), before = StoredBytes();
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      Prompter prompter{answer};
      std::unique_ptr<QDialog> dialog = open();
      ShowForUser(*dialog);
      change(*dialog);
      Click(dialog->findChild<QPushButton*>("cancel"));
      ExpectShown(prompter, {res::kAskSavePersonalInformation});
      EXPECT_FALSE(dialog->isVisible());
      if (answer == QMessageBox::No) {
        EXPECT_EQ(StoredBytes(), before);
        EXPECT_EQ(RecordBytes(m_info), original);
      }
    }
  }
  QLineEdit* Field(QDialog& dialog, const char* name) { return Child<QLineEdit>(dialog, name); }

  TempDatabase m_database;
  data::MyInfoFile m_file;
  data::MyInfo m_info{};
  FakeOpeners m_fakes;
};
using MyInfoDlgTest = SettingsTest;

// Which entries make the record complete and what each country brings are the rules test's;
// here the setup offers no other path before a record is stored, asks for the location once,
// refuses an incomplete record, then stores. (Click checks that a button is on, so the other
// scenarios show the buttons on elsewhere.)
TEST_F(MyInfoDlgTest, TheSetupAsksForTheLocationOnceAndStoresOnlyACompleteRecord) {
  m_fakes.location = MakeLocationRow("Albany", "New York", "United States", 1, 518);
  Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  CMyInfoDlg dialog(CMyInfoDlg::kFirstTimeSetup, m_info, m_file, m_fakes.Openers());
  for (const char* other : {"dialingInformation", "callSurcharges", "monthlyDefaults"})
    EXPECT_FALSE(Child<QPushButton>(dialog, other)->isEnabled()) << other;
  ShowForUser(dialog);
  TypeInto(Field(dialog, "name"), "Ann Smith");
  TypeInto(Field(dialog, "address"), "1 Main St");
  QTest::keyClick(Field(dialog, "address"), Qt::Key_Tab);
  EXPECT_EQ(Field(dialog, "city")->text(), "Albany");
  Field(dialog, "address")->setFocus();
  QTest::keyClick(Field(dialog, "address"), Qt::Key_Tab);
  EXPECT_EQ(m_fakes.locationPicks, 1);
  TypeInto(Field(dialog, "suffix"), "0100");
  Click(Child<QPushButton>(dialog, "ok"));  // no prefix yet
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(StoredInfo().infoStored, 0u);
  EXPECT_TRUE(Field(dialog, "prefix")->hasFocus());
  TypeInto(Field(dialog, "prefix"), "555");
  Click(Child<QPushButton>(dialog, "ok"));
  ExpectShown(prompter, {res::kMyInfoPickLocation, res::kMyInfoIncomplete});
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(StoredBytes(), RecordBytes(m_info));  // the record is what was written
  EXPECT_EQ(m_info.infoStored, 1u);
}

// Preferences offer the stored company to the picker and keep it on a refused choice; a digits
// field holding text is told before it is stored as zero; OK stores each change in its place and
// every other value as it was shown.
TEST_F(MyInfoDlgTest, PreferencesShowTheStoredValuesAndStoreTheChangesInTheirPlaces) {
  StoreCompleteInfo();
  m_info.sampleMinutes[2] = 12;
  data::WriteField(m_info.email, "ann@example.com");
  m_info.telcoAccessNumber = 10288;
  data::WriteField(m_info.telcoName, "Old Telephone");
  StoreInfo();
  const std::string before = StoredBytes();
  data::MyInfo expected = m_info;
  Prompter prompter{QMessageBox::No, QMessageBox::Yes};
  CMyInfoDlg dialog(CMyInfoDlg::kPreferences, m_info, m_file, m_fakes.Openers());
  ShowForUser(dialog);
  Field(dialog, "address")->setFocus();
  QTest::keyClick(Field(dialog, "address"), Qt::Key_Tab);  // asks for no location here
  EXPECT_EQ(m_fakes.locationPicks, 0);
  Click(Child<QPushButton>(dialog, "changeTelco"));  // refused
  EXPECT_EQ(m_fakes.telcoOffered, std::pair(10288, std::string("Old Telephone")));
  EXPECT_EQ(Field(dialog, "telcoName")->text(), "Old Telephone");
  m_fakes.telco = {10333, "New Telephone"};
  Click(Child<QPushButton>(dialog, "changeTelco"));
  ClickIndicator(Child<QRadioButton>(dialog, "clock12"));
  ClickIndicator(Child<QCheckBox>(dialog, "soundOff"));
  TypeInto(Field(dialog, "sampleMinutes1"), "2");
  TypeInto(Field(dialog, "sampleMinutes3"), "30");
  TypeInto(Field(dialog, "faxPrefix"), "556");
  TypeInto(Field(dialog, "reminderMinutes"), "ten");
  Click(Child<QPushButton>(dialog, "ok"));
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_TRUE(prompter.Shown()[0].contains("\"Reminder Time\""));
  EXPECT_TRUE(Field(dialog, "reminderMinutes")->hasFocus());
  EXPECT_EQ(StoredBytes(), before);
  Click(Child<QPushButton>(dialog, "ok"));
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  expected.clock12 = expected.soundOff = 1;
  expected.reminderMinutes = 0;
  expected.sampleMinutes[0] = 2;
  expected.sampleMinutes[2] = 30;
  data::WriteField(expected.faxPrefix, "556");
  expected.telcoAccessNumber = 10333;
  data::WriteField(expected.telcoName, "New Telephone");
  EXPECT_EQ(StoredBytes(), RecordBytes(expected));
}

TEST_F(MyInfoDlgTest, CancelWithChangesAsks) {
  StoreCompleteInfo();
  ExpectCancelAsksThenYesStores(
      [this] {
        return std::make_unique<CMyInfoDlg>(CMyInfoDlg::kPreferences, m_info, m_file,
                                            m_fakes.Openers());
      },
      [this](QDialog& dialog) { TypeInto(Field(dialog, "prefix"), "777"); });
  EXPECT_EQ(data::ReadField(StoredInfo().prefix), "777");
  EXPECT_EQ(data::ReadField(m_info.prefix), "777");
}

TEST_F(MyInfoDlgTest, DialingInformationSurchargesAndMonthlyDefaultsKeepWhatTheyStored) {
  StoreCompleteInfo();
  for (const char* rateFile : {"dorv11", "dorv13", "dorv14"})
    WriteRateFile(m_database, rateFile, {{"Test Telephone", "DIRECT DIAL"}});
  ModalScript nested([](QDialog& dialog) {
    if (qobject_cast<CMyAdvancedDlg*>(&dialog)) {
      dialog.findChild<QLineEdit*>("outsideLine")->setText("9");
      return dialog.accept();
    }
    if (auto* recurring = qobject_cast<reports::CRecurringChargesDlg*>(&dialog)) {
      EXPECT_EQ(recurring->DialogMode(), reports::CRecurringChargesDlg::kDefaults);
      TypeInto(Child<QLineEdit>(dialog, "fromDay"), "20");
      return Click(Child<QPushButton>(dialog, "close"));
    }
    EXPECT_NE(qobject_cast<rating::CSurchargeListDlg*>(&dialog), nullptr);
    dialog.done(QDialog::Accepted);
  });
  CMyInfoDlg dialog(CMyInfoDlg::kPreferences, m_info, m_file, m_fakes.Openers());
  ShowForUser(dialog);
  Click(Child<QPushButton>(dialog, "callSurcharges"));
  Click(Child<QPushButton>(dialog, "dialingInformation"));
  Click(Child<QPushButton>(dialog, "monthlyDefaults"));
  EXPECT_EQ(nested.Runs(), 3);
  TypeInto(Field(dialog, "prefix"), "777");
  Click(Child<QPushButton>(dialog, "ok"));  // no message: the strict default fails on any
  EXPECT_EQ(data::ReadField(StoredInfo().outsideLine), "9");
  EXPECT_EQ(data::ReadField(StoredInfo().prefix), "777");
  EXPECT_EQ(StoredInfo().billingThruDay, 19);
}

TEST_F(MyInfoDlgTest, AFailedWriteIsToldAndTheValuesStayInMemory) {
  StoreCompleteInfo();
  const std::string before = StoredBytes();
  Prompter prompter{QMessageBox::Ok};
  CMyInfoDlg dialog(CMyInfoDlg::kPreferences, m_info, m_file, m_fakes.Openers());
  ShowForUser(dialog);
  TypeInto(Field(dialog, "prefix"), "777");
  m_file.Close();
  Click(Child<QPushButton>(dialog, "ok"));
  ExpectShown(prompter, {res::kErrorMyInfo});
  EXPECT_EQ(data::ReadField(m_info.prefix), "777");
  EXPECT_EQ(StoredBytes(), before);
}

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
};

// Which rate files a country uses is the rules test's; here each box lists its file's services.
TEST_F(MyAdvancedDlgTest, EditingListsEachRateFileAndStoresEveryFieldOnOk) {
  const QStringList lists[3] = {{"DIRECT DIAL", "NEIGHBOR PLAN", "LOCAL ONE RATE"},
                                {"DIRECT DIAL", "EVENING SAVER"},
                                {"DIRECT DIAL", "WORLD SAVER", "GLOBAL ONE RATE"}};
  const QString selected[3] = {"NEIGHBOR PLAN", "DIRECT DIAL", "DIRECT DIAL"};
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kEditing, m_info, m_file);  // no message on the way
  for (int i = 0; i < 3; ++i) {
    auto* box = Child<QComboBox>(dialog, kRateBoxes[i]);
    EXPECT_EQ(ColumnTexts(box->view(), 0), lists[i]) << kRateBoxes[i];
    EXPECT_EQ(box->currentText(), selected[i]) << kRateBoxes[i];
  }
  ShowForUser(dialog);
  TypeInto(Child<QLineEdit>(dialog, "outsideLine"), "9");
  TypeInto(Child<QLineEdit>(dialog, "operatorLocal"), "");
  ChooseEntry(Child<QComboBox>(dialog, "defaultRateInternational"), 2);
  Click(Child<QPushButton>(dialog, "ok"));
  EXPECT_EQ(StoredBytes(), RecordBytes(m_info));
  EXPECT_EQ(std::tuple(data::ReadField(m_info.outsideLine), data::ReadField(m_info.operatorLocal),
                       data::ReadField(m_info.defaultRateInternational)),
            std::tuple("9", "", "GLOBAL ONE RATE"));
}

TEST_F(MyAdvancedDlgTest, ReadOnlyModeChangesNothing) {
  const std::string before = StoredBytes(), original = RecordBytes(m_info);
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kReadOnly, m_info, m_file);
  ShowForUser(dialog);
  QTest::keyClicks(Child<QLineEdit>(dialog, "outsideLine"), "9");
  Click(Child<QPushButton>(dialog, "ok"));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(StoredBytes(), before);
  EXPECT_EQ(RecordBytes(m_info), original);
}

TEST_F(MyAdvancedDlgTest, AnUnreadableRateFileIsToldOnceAndKeepsTheStoredName) {
  std::filesystem::remove(m_database.Path("dorv18"));  // the index of dorv13
  data::WriteField(m_info.country, "Mexico");
  Prompter prompter{QMessageBox::Ok};
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kEditing, m_info, m_file);
  ExpectShown(prompter, {res::kErrorRateFile});
  EXPECT_EQ(Child<QComboBox>(dialog, "defaultRateLocal")->count(), 0);
  dialog.accept();
  EXPECT_EQ(data::ReadField(StoredInfo().defaultRateLocal), "NEIGHBOR PLAN");
  EXPECT_EQ(data::ReadField(StoredInfo().defaultRateInternational), "DIRECT DIAL");
}

TEST_F(MyAdvancedDlgTest, CancelWithChangesAsks) {
  ExpectCancelAsksThenYesStores(
      [this] { return std::make_unique<CMyAdvancedDlg>(CMyAdvancedDlg::kEditing, m_info, m_file); },
      [](QDialog& dialog) { ChooseEntry(Child<QComboBox>(dialog, "defaultRateLongDistance"), 1); });
  EXPECT_EQ(data::ReadField(StoredInfo().defaultRateLongDistance), "EVENING SAVER");
}

}  // namespace
