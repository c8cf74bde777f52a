#include "settings/SettingsTestSupport.h"

#include <cstring>

#include "res/Strings.h"
#include "support/DialogDriver.h"

namespace dorv::test {

void SettingsTest::SetUp() {
  ASSERT_TRUE(m_file.Open());
  data::ClearMyInfo(m_info);
  StoreInfo();
}

void SettingsTest::StoreInfo() { ASSERT_TRUE(m_file.Write(m_info)); }

data::MyInfo SettingsTest::StoredInfo() const {
  data::MyInfoFile file;
  data::MyInfo stored{};
  EXPECT_TRUE(file.Open());
  EXPECT_TRUE(file.Read(stored));
  return stored;
}

void SettingsTest::ExpectCancelAsksThenYesStores(
    const std::function<std::unique_ptr<QDialog>()>& open,
    const std::function<void(QDialog&)>& change, const std::function<void()>& expectSaved) {
  const data::MyInfo original = m_info;
  const std::string before = StoredBytes();
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
      EXPECT_EQ(std::memcmp(&m_info, &original, sizeof original), 0);
    }
  }
  expectSaved();
}

settings::MyInfoOpeners FakeOpeners::Openers() {
  return {[this](QWidget*) {
            ++locationPicks;
            return location;
          },
          [this](std::int32_t& code, std::string& company, QWidget*) {
            telcoCodeOffered = code;
            telcoNameOffered = company;
            if (!telcoOk) return false;
            code = telcoCode;
            company = telcoName;
            return true;
          }};
}

}  // namespace dorv::test
