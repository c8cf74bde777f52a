#include <gtest/gtest.h>

#include <QLineEdit>

#include "data/BandTitles.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/MyInfo.h"
#include "data/SampleImages.h"
#include "support/TempDatabase.h"
#include "rating/dialogs/CChangeRateBandsDlg.h"
#include "rating/dialogs/HourSpinBox.h"
#include "support/DialogDriver.h"
#include "support/Prompter.h"
#include "res/Strings.h"

using namespace dorv;
using namespace dorv::rating;
using namespace dorv::test;

namespace {

// The titles file the dialog lists, and the entry's bands it is opened on.
class ChangeRateBandsTest : public ::testing::Test {
 protected:
  ChangeRateBandsTest() {
    WriteTitles({"Day", "Evening", "Night/Weekend"});
    m_info.clock12 = 1;
    m_values.bandTitle = {"Day", "Evening", ""};
    m_values.bandNotes = {"note 1", "note 2", "note 3"};
    m_values.bandHours = {800, 1700, 0, 0, 0, 0,  // Day on weekdays
                          1700, 2300, 2400, 2400, 2400, 2400};
  }

  void WriteTitles(std::initializer_list<const char*> titles) {
    std::string image;
    for (const char* title : titles) {
      data::BandTitleRecord record{};
      data::WriteField(record.title, title);
      ASSERT_TRUE(data::AppendEncoded(image, record, data::EncodeBandTitle));
    }
    m_db.WriteFile(data::kBandTitleFileName, image);
  }

  std::unique_ptr<CChangeRateBandsDlg> Open() {
    auto dialog = std::make_unique<CChangeRateBandsDlg>(m_values, m_info);
    ShowForUser(*dialog);
    dialog->Open();
    return dialog;
  }

  TempDatabase m_db;
  data::MyInfo m_info{};
  RateBandValues m_values;
};

// Steps an hour with the arrow keys until it reads the given hour.
void StepTo(QSpinBox* spin, int hour) {
  spin->setFocus();
  for (int i = 0; i < 30 && spin->value() < hour; ++i) QTest::keyClick(spin, Qt::Key_Up);
  for (int i = 0; i < 30 && spin->value() > hour; ++i) QTest::keyClick(spin, Qt::Key_Down);
  ASSERT_EQ(spin->value(), hour);
}

QString BandTextOf(const std::string& title, const std::uint16_t (&hours)[6], bool twelveHour) {
  return QString::fromStdString(data::BandText(title, hours, twelveHour, true));
}

}  // namespace

// The entry's bands are shown as they are; an own title the file does not list is kept.
TEST_F(ChangeRateBandsTest, OpensOnTheEntrysBands) {
  m_values.bandTitle[1] = "Business Evening";
  auto dialog = Open();
  QComboBox* titles = dialog->TitleBox(0);
  EXPECT_EQ(ColumnTexts(titles->view(), 0), (QStringList{"", "Day", "Evening", "Night/Weekend"}));
  EXPECT_EQ(dialog->BandTextField(0)->text(), BandTextOf("Day", {800, 1700, 0, 0, 0, 0}, true));
  EXPECT_FALSE(dialog->HourSpin(2, 0)->isEnabled()) << "band 3 has no title";
  Click(dialog->OkButton());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  const RateBandValues& kept = dialog->Values();
  EXPECT_EQ(std::tie(kept.bandTitle, kept.bandHours),
            std::tie(m_values.bandTitle, m_values.bandHours));

  m_info.clock12 = 0;  // the band texts follow the user's clock
  auto clock24 = Open();
  EXPECT_EQ(clock24->BandTextField(0)->text(), BandTextOf("Day", {800, 1700, 0, 0, 0, 0}, false));
}

// Arrow steps change an hour and its band's text and stop at Mid (where a step stops is the band
// check's); OK takes the chosen titles from the file, the stepped hours and the notes.
TEST_F(ChangeRateBandsTest, OkTakesTheStepsAndTheChosenTitlesFromTheFileAndCarriesTheNotes) {
  auto dialog = Open();
  QSpinBox* dayEnd = dialog->HourSpin(0, 1);
  StepTo(dayEnd, 12);
  EXPECT_EQ(dialog->BandTextField(0)->text(), BandTextOf("Day", {800, 1200, 0, 0, 0, 0}, true));
  StepTo(dayEnd, 24);
  QTest::keyClick(dayEnd, Qt::Key_Up);
  EXPECT_EQ(dayEnd->value(), 24);
  StepTo(dayEnd, 16);
  ChooseEntry(dialog->TitleBox(1), 0);  // the empty title clears the band
  ChooseEntry(dialog->TitleBox(2), 3);
  StepTo(dialog->HourSpin(2, 0), 23);
  StepTo(dialog->HourSpin(2, 1), 8);
  // The title of the list's position is read again at OK.
  WriteTitles({"Day", "Evening", "Night"});
  Click(dialog->OkButton());
  ASSERT_EQ(dialog->result(), QDialog::Accepted);
  const RateBandValues& taken = dialog->Values();
  EXPECT_EQ(taken.bandTitle, (std::array<std::string, 3>{"Day", "", "Night"}));
  EXPECT_EQ(taken.bandNotes, m_values.bandNotes);
  EXPECT_EQ(taken.bandHours, (std::array<std::uint16_t, 18>{800, 1600, 0, 0, 0, 0,  //
                                                            0, 0, 0, 0, 0, 0,  //
                                                            2300, 800, 0, 0, 0, 0}));
}

TEST_F(ChangeRateBandsTest, OverlappingHoursKeepTheDialogOpenWithOneMessage) {
  m_values.bandTitle = {"Day", "Evening", "Night/Weekend"};
  m_values.bandHours = {800,  1700, 800,  1200, 0,    0,  //
                        1600, 2300, 1000, 1400, 2400, 2400,  //
                        2300, 800,  0,    0,    900,  1000};
  Prompter prompter{QMessageBox::Ok};
  auto dialog = Open();
  Click(dialog->OkButton());
  // The fault text itself is the band check's; the dialog shows it for the hours on screen.
  const std::string fault = RateTimesFault(
      {{{8, 17, 8, 12, 0, 0}, {16, 23, 10, 14, 24, 24}, {23, 8, 0, 0, 9, 10}}});
  ExpectShown(prompter, {QString::fromStdString(fault)});
  EXPECT_TRUE(dialog->isVisible());
}

// Cancel asks only after a change; only Yes hands the changed bands back.
TEST_F(ChangeRateBandsTest, CancelAsksOnlyAfterAChangeAndOnlyYesKeepsIt) {
  auto unchanged = std::make_unique<CChangeRateBandsDlg>(m_values, m_info);
  ExpectCancelAsksNothing(*unchanged);
  ModalScript script([](QDialog& d) {
    auto& dialog = static_cast<CChangeRateBandsDlg&>(d);
    StepTo(dialog.HourSpin(0, 0), 9);
    Click(dialog.CancelButton());
  });
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    Prompter prompter{answer};
    RateBandValues values = m_values;
    EXPECT_EQ(RunChangeRateBands(values, m_info, nullptr), answer == QMessageBox::Yes);
    ExpectShown(prompter, {res::kAskSaveRateBands});
    EXPECT_EQ(values.bandHours[0], answer == QMessageBox::Yes ? 900 : 800);
  }
}

TEST_F(ChangeRateBandsTest, TitlesFileProblemsAreReported) {
  {
    // Without the file only the empty entry is offered; the entry's own titles stay.
    std::remove(m_db.Path(data::kBandTitleFileName).c_str());
    Prompter prompter{QMessageBox::Ok};
    auto dialog = Open();
    ExpectShown(prompter, {res::kErrorTitlesFile});
    EXPECT_EQ(dialog->TitleBox(0)->count(), 1);
    Click(dialog->OkButton());
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Values().bandTitle[0], "Day");
  }
  // A title that can no longer be read at OK keeps the dialog open.
  WriteTitles({"Day", "Evening", "Night/Weekend"});
  Prompter prompter{QMessageBox::Ok};
  auto dialog = Open();
  ChooseEntry(dialog->TitleBox(2), 3);
  WriteTitles({"Day"});
  Click(dialog->OkButton());
  ExpectShown(prompter, {res::kErrorTitlesFile});
  EXPECT_TRUE(dialog->isVisible());
}
