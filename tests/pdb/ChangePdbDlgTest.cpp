#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "support/Prompter.h"
#include "data/BandTitles.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/MyInfo.h"
#include "data/SampleImages.h"
#include "support/TempDatabase.h"
#include "pdb/CChangePdbDlg.h"
#include "pdb/ChangePdbRules.h"
#include "platform/Messages.h"
#include "rating/dialogs/CChangeRateBandsDlg.h"
#include "rating/dialogs/HourSpinBox.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using namespace dorv::pdb;
using namespace dorv::test;
using F = ChangePdbField;
using B = ChangePdbButton;

namespace {

QString BandLine(const std::string& title, std::array<std::uint16_t, 6> h) {
  const std::uint16_t hours[6] = {h[0], h[1], h[2], h[3], h[4], h[5]};
  return QString::fromStdString(data::BandText(title, hours, true, true));
}

data::LocationRow Location(const char* city, const char* state, const char* country, int areaCode,
                           const char* cityCode, int countryCode) {
  data::LocationRow row;
  row.city = city;
  row.state = state;
  row.stateCode = "XX";
  row.postalCode = "P1";
  row.country = country;
  row.cityCode = cityCode;
  row.areaCode = areaCode;
  row.countryCode = countryCode;
  row.timeZone = -5;
  return row;
}

// The values the record editor hands over for an entry with a day and an evening band.
class ChangePdbTest : public ::testing::Test {
 protected:
  ChangePdbTest() {
    m_info.clock12 = 1;
    m_values.rates = {10.0, 5.0, 7.5, 0.0, 3.0, 2.0};  // band 3 has rates but no title
    m_values.surcharge = 0;
    m_values.bandTitle = {"Day", "Evening", ""};
    m_values.bandHours = {800, 1700, 0, 0, 0, 0, 1700, 2300, 0, 0, 0, 0};
    m_values.bandLines = {S(BandLine("Day", {800, 1700, 0, 0, 0, 0})),
                          S(BandLine("Evening", {1700, 2300, 0, 0, 0, 0})), ""};
    m_values.initialInterval = 60;
    m_values.additionalInterval = 30;
    m_values.telco = "Sample Telco";
    m_values.telcoAccessCode = "0";
    m_values.comment = "weekday plan";
    m_values.rateEffective = "Jan 01, 1998";
    m_values.callType = "Direct";
    m_values.city = "Toronto";
    m_values.state = "Ontario";
    m_values.stateCode = "ON";
    m_values.postalCode = "M5H";
    m_values.country = "Canada";
    m_values.countryCode = "1";
    m_values.areaCode = "416";
    m_values.localTime = "10:00 AM";
  }

  static std::string S(const QString& text) { return text.toStdString(); }

  std::unique_ptr<CChangePdbDlg> Open() {
    auto dialog = std::make_unique<CChangePdbDlg>(m_values, m_info, m_openers);
    ShowForUser(*dialog);
    return dialog;
  }

  // A new record of the texts shown; every test has one, so no real message box ever waits.
  dorv::test::Prompter& FreshPrompter() {
    m_prompter = std::make_unique<dorv::test::Prompter>();
    m_prompter->AnswerAllWith(QMessageBox::Ok);
    return *m_prompter;
  }

  std::unique_ptr<dorv::test::Prompter> m_prompter =
      std::make_unique<dorv::test::Prompter>();
  data::MyInfo m_info{};
  ChangeDataValues m_values;
  ChangePdbOpeners m_openers;
};

QString Parts(CChangePdbDlg& dialog, int band, bool additional) {
  return dialog.RatePart(band, additional, 0)->text() + "/" +
         dialog.RatePart(band, additional, 1)->text() + "/" +
         dialog.RatePart(band, additional, 2)->text();
}

void TypeRate(CChangePdbDlg& dialog, int band, bool additional, const char* dollars,
              const char* cents, const char* hundredths) {
  TypeInto(dialog.RatePart(band, additional, 0), dollars);
  TypeInto(dialog.RatePart(band, additional, 1), cents);
  TypeInto(dialog.RatePart(band, additional, 2), hundredths);
}

}  // namespace

TEST_F(ChangePdbTest, OpensWithTheEditorsValues) {
  m_values.surcharge = 125.5f;
  auto dialog = Open();
  EXPECT_EQ(Parts(*dialog, 0, false), "0/10/00");
  EXPECT_EQ(Parts(*dialog, 0, true), "0/05/00");
  EXPECT_EQ(Parts(*dialog, 1, false), "0/07/50");
  EXPECT_EQ(Parts(*dialog, 1, true), "//");  // a zero rate is not shown
  EXPECT_EQ(dialog->SurchargePart(0)->text() + "/" + dialog->SurchargePart(1)->text() + "/" +
                dialog->SurchargePart(2)->text(),
            "1/25/50");
  // Band 3 has no description: no rates are shown and its six parts cannot be edited.
  for (bool additional : {false, true}) {
    EXPECT_EQ(Parts(*dialog, 2, additional), "//");
    for (int part = 0; part < 3; ++part) {
      EXPECT_FALSE(dialog->RatePart(2, additional, part)->isEnabled());
      EXPECT_TRUE(dialog->RatePart(1, additional, part)->isEnabled());
    }
  }
  EXPECT_EQ(dialog->Field(F::BandLine1)->text(), QString::fromStdString(m_values.bandLines[0]));
  EXPECT_EQ(dialog->Field(F::InitialInterval)->text(), "60");
  EXPECT_EQ(dialog->Field(F::AdditionalInterval)->text(), "30");
  EXPECT_EQ(dialog->Field(F::City)->text(), "Toronto");
  EXPECT_EQ(dialog->Field(F::LocalTime)->text(), "10:00 AM");
  EXPECT_EQ(dialog->Field(F::Telco)->text(), "Sample Telco");
  EXPECT_EQ(dialog->Field(F::TelcoAccess)->text(), "");  // code 0 shows nothing
  // The filling counts as a change.
  EXPECT_TRUE(dialog->Changed());
  // Without pickers their buttons stay disabled; the band editor is always there.
  EXPECT_FALSE(dialog->Button(B::ChangeLocation)->isEnabled());
  EXPECT_FALSE(dialog->Button(B::ChangeTelco)->isEnabled());
  EXPECT_TRUE(dialog->Button(B::ChangeBands)->isEnabled());

  m_values.telcoAccessCode = "10288";
  EXPECT_EQ(Open()->Field(F::TelcoAccess)->text(), "10288");
}

TEST_F(ChangePdbTest, OkCollectsTheTypedRatesAndFields) {
  m_values.rates[2] = 0.35;  // its parts joined again would come out a little off
  auto dialog = Open();
  TypeRate(*dialog, 0, false, "0", "12", "34");
  TypeRate(*dialog, 1, true, "", ".5", "");
  TypeRate(*dialog, 0, true, "1", "", "");
  TypeInto(dialog->SurchargePart(0), "2");
  TypeInto(dialog->SurchargePart(1), "05");
  TypeInto(dialog->SurchargePart(2), "25");
  TypeInto(dialog->Field(F::InitialInterval), "6x0");  // only digits go in
  TypeInto(dialog->Field(F::Comment), "evenings cheaper");
  TypeInto(dialog->Field(F::City), "Ottawa");
  Click(dialog->Button(B::Ok));
  ASSERT_EQ(dialog->result(), QDialog::Accepted);
  const ChangeDataValues& v = dialog->Values();
  EXPECT_DOUBLE_EQ(v.rates[0], 12.34);
  EXPECT_DOUBLE_EQ(v.rates[1], 100.0);
  EXPECT_EQ(v.rates[2], 0.35);  // untouched amounts come back exactly
  EXPECT_DOUBLE_EQ(v.rates[3], 50.0);
  EXPECT_DOUBLE_EQ(v.rates[4], 3.0);  // band 3 showed none and keeps its own
  EXPECT_FLOAT_EQ(v.surcharge, 205.25f);
  EXPECT_EQ(v.initialInterval, 60u);
  EXPECT_EQ(v.additionalInterval, 30u);
  EXPECT_EQ(v.comment, "evenings cheaper");
  EXPECT_EQ(v.city, "Ottawa");
  EXPECT_EQ(v.bandLines, m_values.bandLines);
  EXPECT_EQ(v.areaCode, "416");
}

TEST_F(ChangePdbTest, TypedTelcoAccessIsNotTaken) {
  m_values.telcoAccessCode = "10288";
  auto dialog = Open();
  TypeInto(dialog->Field(F::TelcoAccess), "10333");
  Click(dialog->Button(B::Ok));
  ASSERT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(dialog->Values().telcoAccessCode, "10288");
}

TEST_F(ChangePdbTest, ChangeTelcoTakesTheChosenCompany) {
  struct Case {
    const char* name;
    std::int32_t chosenCode;
    const char* field;  // Telco Access and the code afterwards
  } cases[] = {{"a company with an access number", 10333, "10333"},
               {"a company whose access number is 0", 0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_values.telcoAccessCode = "10288";
    std::int32_t offeredCode = -1;
    std::string offeredName;
    m_openers.chooseTelco = [&](std::int32_t& code, std::string& company, QWidget*) {
      offeredCode = code;
      offeredName = company;
      code = c.chosenCode;
      company = "Other Telco";
      return true;
    };
    auto dialog = Open();
    TypeInto(dialog->Field(F::TelcoAccess), "777");
    Click(dialog->Button(B::ChangeTelco));
    EXPECT_EQ(offeredCode, 777);  // what the field shows, typed or not
    EXPECT_EQ(offeredName, "Sample Telco");
    EXPECT_EQ(dialog->Field(F::Telco)->text(), "Other Telco");
    EXPECT_EQ(dialog->Field(F::TelcoAccess)->text(), c.field);
    Click(dialog->Button(B::Ok));
    EXPECT_EQ(dialog->Values().telcoAccessCode, c.field);
    EXPECT_EQ(dialog->Values().telco, "Other Telco");
  }

  // A cancelled choice changes nothing.
  m_openers.chooseTelco = [](std::int32_t& code, std::string& company, QWidget*) {
    code = 5;
    company = "ignored";
    return false;
  };
  m_values.telcoAccessCode = "0";
  auto dialog = Open();
  Click(dialog->Button(B::ChangeTelco));
  EXPECT_EQ(dialog->Field(F::Telco)->text(), "Sample Telco");
  EXPECT_EQ(dialog->Field(F::TelcoAccess)->text(), "");
}

TEST_F(ChangePdbTest, ChangeLocationTakesTheChosenPlace) {
  const data::LocationRow london = Location("London", "Greater London", "United Kingdom", 0, "0171", 44);
  m_openers.pickLocation = [&london](QWidget*) {
    return std::optional<ChosenLocation>(ChosenLocation{london, "3:00 PM"});
  };
  auto dialog = Open();
  TypeInto(dialog->Field(F::Comment), "kept");
  Click(dialog->Button(B::ChangeLocation));
  EXPECT_EQ(dialog->Field(F::City)->text(), "London");
  EXPECT_EQ(dialog->Field(F::State)->text(), "Greater London");
  EXPECT_EQ(dialog->Field(F::LocalTime)->text(), "3:00 PM");
  EXPECT_EQ(dialog->Field(F::Comment)->text(), "kept");
  Click(dialog->Button(B::Ok));
  EXPECT_EQ(dialog->Values().areaCode, "0171");
  EXPECT_EQ(dialog->Values().countryCode, "44");
  EXPECT_EQ(dialog->Values().timeZone, -5);
}

TEST_F(ChangePdbTest, ChangeBandsRebuildsTheBandLinesAndWhichRatesMayBeTyped) {
  m_values.bandNotes = {"", "", ""};
  rating::RateBandValues offered;
  m_openers.changeBands = [&offered](rating::RateBandValues& bands, QWidget*) {
    offered = bands;
    bands.bandTitle = {"Day", "", "Night"};
    bands.bandHours = {800, 1700, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1700, 800, 0, 0, 0, 0};
    bands.bandNotes[2] = "from the editor";
    return true;
  };
  auto dialog = Open();
  Click(dialog->Button(B::ChangeBands));
  EXPECT_EQ(offered.bandTitle, m_values.bandTitle);
  EXPECT_EQ(offered.bandHours, m_values.bandHours);
  EXPECT_EQ(dialog->Field(F::BandLine2)->text(), "");
  EXPECT_EQ(dialog->Field(F::BandLine3)->text(), BandLine("Night", {1700, 800, 0, 0, 0, 0}));
  for (int part = 0; part < 3; ++part) {
    EXPECT_FALSE(dialog->RatePart(1, false, part)->isEnabled());
    EXPECT_TRUE(dialog->RatePart(2, true, part)->isEnabled());
  }
  TypeRate(*dialog, 2, false, "0", "04", "00");
  Click(dialog->Button(B::Ok));
  const ChangeDataValues& v = dialog->Values();
  EXPECT_EQ(v.bandTitle[2], "Night");
  EXPECT_EQ(v.bandHours[12], 1700);
  EXPECT_EQ(v.bandNotes[2], "from the editor");
  EXPECT_EQ(v.bandLines[2], S(BandLine("Night", {1700, 800, 0, 0, 0, 0})));
  EXPECT_DOUBLE_EQ(v.rates[4], 4.0);
}

TEST_F(ChangePdbTest, CancelRightAfterOpeningAsksWhetherToSave) {
  for (const CloseAnswer& answer : kCloseAnswers) {
    SCOPED_TRACE(answer.name);
    dorv::test::Prompter& prompter = FreshPrompter();
    prompter.Answer(answer.answer);
    auto dialog = Open();
    TypeRate(*dialog, 0, false, "0", "12", "34");
    Click(dialog->Button(B::Cancel));
    ExpectEndedAfterQuestion(*dialog, prompter, res::kAskSavePersonalInformation, answer);
    if (answer.result == QDialog::Accepted) {
      EXPECT_DOUBLE_EQ(dialog->Values().rates[0], 12.34);
    }
    if (answer.staysOpen) dialog->done(QDialog::Rejected);
  }
  // Right after opening the question comes too: the filling counts as a change.
  dorv::test::Prompter& prompter = FreshPrompter();
  prompter.Answer(QMessageBox::No);
  auto untouched = Open();
  QTest::keyClick(untouched.get(), Qt::Key_Escape);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kAskSavePersonalInformation);
  EXPECT_EQ(untouched->result(), QDialog::Rejected);
}

TEST_F(ChangePdbTest, RunUsesTheBandEditorAndHandsTheValuesBackOnOk) {
  TempDatabase db;
  std::string titles;
  for (const char* title : {"Day", "Evening", "Night"}) {
    data::BandTitleRecord record{};
    data::WriteField(record.title, title);
    ASSERT_TRUE(data::AppendEncoded(titles, record, data::EncodeBandTitle));
  }
  db.WriteFile(data::kBandTitleFileName, titles);
  // The user opens the band editor, gives band 3 the night title and 23 to 8 on weekdays, and
  // presses OK in both dialogs.
  ModalScript script([](QDialog& d) {
    if (auto* bands = dynamic_cast<rating::CChangeRateBandsDlg*>(&d)) {
      ChooseEntry(bands->TitleBox(2), 3);
      bands->HourSpin(2, 0)->setFocus();
      for (int i = 0; i < 23; ++i) QTest::keyClick(bands->HourSpin(2, 0), Qt::Key_Up);
      bands->HourSpin(2, 1)->setFocus();
      for (int i = 0; i < 8; ++i) QTest::keyClick(bands->HourSpin(2, 1), Qt::Key_Up);
      Click(bands->OkButton());
      return;
    }
    auto& dialog = static_cast<CChangePdbDlg&>(d);
    Click(dialog.Button(B::ChangeBands));
    Click(dialog.Button(B::Ok));
  });
  ChangeDataValues values = m_values;
  ASSERT_TRUE(RunChangePdb(values, m_info, {}, nullptr));
  EXPECT_EQ(script.Runs(), 2);
  EXPECT_EQ(values.bandTitle[2], "Night");
  EXPECT_EQ(values.bandHours[12], 2300);
  EXPECT_EQ(values.bandHours[13], 800);
  EXPECT_EQ(values.bandLines[2], S(BandLine("Night", {2300, 800, 0, 0, 0, 0})));

  // Cancel and No hand nothing back.
  dorv::test::Prompter& prompter = FreshPrompter();
  prompter.Answer(QMessageBox::No);
  ModalScript cancel([](QDialog& d) {
    auto& dialog = static_cast<CChangePdbDlg&>(d);
    TypeInto(dialog.Field(F::City), "Elsewhere");
    Click(dialog.Button(B::Cancel));
  });
  EXPECT_FALSE(RunChangePdb(values, m_info, {}, nullptr));
  EXPECT_EQ(values.city, "Toronto");
}

TEST_F(ChangePdbTest, AMoneyPartThatIsNotANumberIsRefusedNamingItsField) {
  auto& prompter = FreshPrompter();
  auto dialog = Open();
  TypeInto(dialog->RatePart(1, true, 1), "nan");
  Click(dialog->Button(B::Ok));
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_TRUE(prompter.Shown()[0].contains("Band 2")) << prompter.Shown()[0].toStdString();
  EXPECT_TRUE(prompter.Shown()[0].contains(res::kLabelAdditionalInterval));
}

TEST(ChangePdbRules, AMoneyPartIsAPlainDecimalNumber) {
  struct Row {
    const char* text;
    bool taken;
  } rows[] = {{"", true},       {"12", true},    {".5", true},     {"007", true},
              {"123456789", true}, {"1234567890", false}, {"1.2.3", false}, {"nan", false},
              {"inf", false},   {"1e400", false}, {"0x10", false},  {"12abc", false},
              {"-1", false},    {"+1", false},    {" 1", false}};
  for (const Row& row : rows) EXPECT_EQ(IsMoneyPart(row.text), row.taken) << row.text;
}

// Which code is taken for which country is the lookup rules' table.
TEST(ChangePdbRules, AChosenLocationIsTakenWhole) {
  ChangeDataValues v;
  TakeLocation({Location("Halifax", "Nova Scotia", "Canada", 902, "", 1), "3:00 PM"}, v);
  EXPECT_EQ(v.city, "Halifax");
  EXPECT_EQ(v.state, "Nova Scotia");
  EXPECT_EQ(v.country, "Canada");
  EXPECT_EQ(v.areaCode, "902");
  EXPECT_EQ(v.countryCode, "1");
  EXPECT_EQ(v.localTime, "3:00 PM");
  EXPECT_EQ(v.stateCode, "XX");
  EXPECT_EQ(v.postalCode, "P1");
  EXPECT_EQ(v.timeZone, -5);
}
