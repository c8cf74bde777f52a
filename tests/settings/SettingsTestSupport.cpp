#include "support/Prompter.h"
#include "settings/SettingsTestSupport.h"

#include <cstring>

#include "data/FixedText.h"
#include "data/RateFiles.h"
#include "data/SampleImages.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

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

void SettingsTest::ExpectCancelAnswers(const std::function<std::unique_ptr<QDialog>()>& open,
                                       const std::function<void(QDialog&)>& change,
                                       const std::function<void()>& expectSaved) {
  const data::MyInfo original = m_info;
  const std::string before = StoredBytes();
  for (const CloseAnswer& answer : kCloseAnswers) {
    SCOPED_TRACE(answer.name);
    dorv::test::Prompter prompter;
    prompter.Answer(answer.answer);
    std::unique_ptr<QDialog> dialog = open();
    ShowForUser(*dialog);
    change(*dialog);
    Click(dialog->findChild<QPushButton*>("cancel"));
    ExpectEndedAfterQuestion(*dialog, prompter, res::kAskSavePersonalInformation, answer);
    if (answer.answer == QMessageBox::Yes) {
      expectSaved();
    } else {
      EXPECT_EQ(StoredBytes(), before);
      EXPECT_EQ(std::memcmp(&m_info, &original, sizeof original), 0);
    }
    if (answer.staysOpen) dialog->done(QDialog::Rejected);
    m_info = original;
    StoreInfo();
  }
}

settings::MyInfoOpeners FakeOpeners::Openers() {
  return {[this](QWidget*) {
            ++locationPicks;
            return location;
          },
          [this](std::int32_t& code, std::string& company, QWidget*) {
            ++telcoChoices;
            telcoCodeOffered = code;
            telcoNameOffered = company;
            if (!telcoOk) return false;
            code = telcoCode;
            company = telcoName;
            return true;
          }};
}

}  // namespace dorv::test
