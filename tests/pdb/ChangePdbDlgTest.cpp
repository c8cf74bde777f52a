#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "data/BandTitles.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/MyInfo.h"
#include "data/SampleImages.h"
#include "pdb/CChangePdbDlg.h"
#include "pdb/ChangePdbRules.h"
#include "rating/dialogs/CChangeRateBandsDlg.h"
#include "rating/dialogs/HourSpinBox.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"

using namespace dorv;
using namespace dorv::pdb;
using namespace dorv::test;
using F = ChangePdbField;
using B = ChangePdbButton;

namespace {

std::string BandLine(const std::string& title, std::array<std::uint16_t, 6> h) {
  const std::uint16_t hours[6] = {h[0], h[1], h[2], h[3], h[4], h[5]};
  return data::BandText(title, hours, true, true);
}

// The values the record editor hands over for an entry with a day and an evening band.
class ChangePdbTest : public ::testing::Test {
 protected:
  ChangePdbTest() {
    m_info.clock12 = 1;
    m_values.rates = {10.0, 5.0, 7.5, 0.0, 3.0, 2.0};  // band 3 has rates but no title
    m_values.surcharge = 125.5f;
    m_values.bandTitle = {"Day", "Evening", ""};
    m_values.bandHours = {800, 1700, 0, 0, 0, 0, 1700, 2300, 0, 0, 0, 0};
    m_values.bandLines = {BandLine("Day", {800, 1700, 0, 0, 0, 0}),
                          BandLine("Evening", {1700, 2300, 0, 0, 0, 0}), ""};
    m_values.initialInterval = 30;
    m_values.telco = "Sample Telco";
    m_values.telcoAccessCode = "0";
    m_values.city = "Toronto";
  }

  std::unique_ptr<CChangePdbDlg> Open() {
    auto dialog = std::make_unique<CChangePdbDlg>(m_values, m_info, m_openers);
    ShowForUser(*dialog);
    return dialog;
  }

  data::MyInfo m_info{};
  ChangeDataValues m_values;
  ChangePdbOpeners m_openers;
};

// A rate's dollars, cents and hundredths, as shown or to type.
QString Parts(CChangePdbDlg& dialog, int band, bool additional) {
  QStringList parts;
  for (int part = 0; part < 3; ++part) parts << dialog.RatePart(band, additional, part)->text();
  return parts.join('/');
}

void TypeRate(CChangePdbDlg& dialog, int band, bool additional, const QString& parts) {
  for (int part = 0; part < 3; ++part)
    TypeInto(dialog.RatePart(band, additional, part), parts.split('/')[part]);
}

}  // namespace

// The rates show as parts (an untitled band's not at all, and not editable); what the user
// types is collected on OK, untouched amounts come back exactly and Telco Access typed by
// hand is not taken.
TEST_F(ChangePdbTest, OkCollectsTheTypedRatesAndFields) {
  m_values.rates[2] = 0.35;  // its parts joined again would come out a little off
  auto dialog = Open();
  EXPECT_EQ(Parts(*dialog, 0, false), "0/10/00");
  EXPECT_EQ(Parts(*dialog, 2, false), "//");
  EXPECT_FALSE(dialog->RatePart(2, true, 0)->isEnabled());

  TypeRate(*dialog, 0, false, "0/12/34");
  TypeInto(dialog->SurchargePart(0), "2");
  TypeInto(dialog->Field(F::InitialInterval), "6x0");  // only digits go in
  TypeInto(dialog->Field(F::City), "Ottawa");
  TypeInto(dialog->Field(F::TelcoAccess), "10333");
  Click(dialog->Button(B::Ok));
  ASSERT_EQ(dialog->result(), QDialog::Accepted);
  const ChangeDataValues& v = dialog->Values();
  EXPECT_DOUBLE_EQ(v.rates[0], 12.34);
  EXPECT_EQ(v.rates[2], 0.35);
  EXPECT_DOUBLE_EQ(v.rates[4], 3.0);  // band 3 showed none and keeps its own
  EXPECT_FLOAT_EQ(v.surcharge, 225.5f);
  EXPECT_EQ(v.initialInterval, 60u);
  EXPECT_EQ(v.city, "Ottawa");
  EXPECT_EQ(v.telcoAccessCode, "0");
  EXPECT_EQ(v.bandLines, m_values.bandLines);
}

// Typed fields stay as typed when a picker fills others; a cancelled choice changes nothing.
TEST_F(ChangePdbTest, ChangeTelcoAndChangeLocationTakeTheChosenValues) {
  bool chosen = true;
  std::int32_t offeredCode = -1;
  std::string offeredName;
  m_openers.chooseTelco = [&](std::int32_t& code, std::string& company, QWidget*) {
    offeredCode = code;
    offeredName = company;
    code = 10333;
    company = "Other Telco";
    return chosen;
  };
  const data::LocationRow london =
      MakeLocationRow("London", "Greater London", "United Kingdom", 4, 0, "0171");
  m_openers.pickLocation = [&london](QWidget*) {
    return std::optional<ChosenLocation>(ChosenLocation{london, "3:00 PM"});
  };
  auto dialog = Open();
  TypeInto(dialog->Field(F::Comment), "kept");
  TypeInto(dialog->Field(F::TelcoAccess), "777");
  Click(dialog->Button(B::ChangeTelco));
  EXPECT_EQ(offeredCode, 777);  // what the field shows, typed or not
  EXPECT_EQ(offeredName, "Sample Telco");
  Click(dialog->Button(B::ChangeLocation));
  Click(dialog->Button(B::Ok));
  const ChangeDataValues& v = dialog->Values();
  EXPECT_EQ(v.telco + " " + v.telcoAccessCode, "Other Telco 10333");
  EXPECT_EQ(v.comment, "kept");
  EXPECT_EQ(v.city + "|" + v.areaCode + "|" + v.localTime, "London|0171|3:00 PM");

  chosen = false;
  dialog = Open();
  Click(dialog->Button(B::ChangeTelco));
  EXPECT_EQ(dialog->Field(F::Telco)->text(), "Sample Telco");
  EXPECT_EQ(dialog->Field(F::TelcoAccess)->text(), "");
}

// The filling counts as a change, so even an untouched dialog asks before closing; Yes hands
// the typed values back, No nothing.
TEST_F(ChangePdbTest, CancelAsksWhetherToSaveAndOnlyYesHandsTheValuesBack) {
  {
    Prompter prompter{QMessageBox::Yes};
    auto dialog = Open();
    TypeRate(*dialog, 0, false, "0/12/34");
    Click(dialog->Button(B::Cancel));
    ExpectShown(prompter, {res::kAskSavePersonalInformation});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog->Values().rates[0], 12.34);
  }
  Prompter prompter{QMessageBox::No, QMessageBox::No};
  for (const char* city : {"", "Elsewhere"}) {
    ModalScript cancel([city](QDialog& d) {
      auto& dialog = static_cast<CChangePdbDlg&>(d);
      if (*city) TypeInto(dialog.Field(F::City), city);
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunChangePdb(m_values, m_info, {}, nullptr));
  }
  ExpectShown(prompter, {res::kAskSavePersonalInformation, res::kAskSavePersonalInformation});
  EXPECT_EQ(m_values.city, "Toronto");
}

// Run opens the real band editor: the user gives band 3 the night title and 23 to 8 on
// weekdays, and the band that now has a title takes the rate typed for it.
TEST_F(ChangePdbTest, ChangeBandsRebuildsTheBandLinesAndWhichRatesMayBeTyped) {
  TempDatabase db;
  std::string titles;
  for (const char* title : {"Day", "Evening", "Night"}) {
    data::BandTitleRecord record{};
    data::WriteField(record.title, title);
    ASSERT_TRUE(data::AppendEncoded(titles, record, data::EncodeBandTitle));
  }
  db.WriteFile(data::kBandTitleFileName, titles);
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
    TypeRate(dialog, 2, false, "0/04/00");
    Click(dialog.Button(B::Ok));
  });
  ChangeDataValues values = m_values;
  ASSERT_TRUE(RunChangePdb(values, m_info, {}, nullptr));
  EXPECT_EQ(values.bandTitle[2], "Night");
  EXPECT_EQ(values.bandLines[0], m_values.bandLines[0]);
  EXPECT_EQ(values.bandLines[2], BandLine("Night", {2300, 800, 0, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(values.rates[4], 4.0);
}

TEST_F(ChangePdbTest, AMoneyPartThatIsNotANumberIsRefusedNamingItsField) {
  Prompter prompter{QMessageBox::Ok};
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

TEST(ChangePdbRules, TelcoAccessShowsOnlyACodeOfOneOrMore) {
  const std::pair<const char*, const char*> rows[] = {
      {"10288", "10288"}, {"1", "1"}, {"0", ""}, {"", ""}, {"-5", ""}};
  for (auto [code, shown] : rows) EXPECT_EQ(TelcoAccessFieldText(code), shown) << code;
}

// Parts read as filled in keep the given amount exactly; typed parts are joined.
TEST(ChangePdbRules, CollectedAmountKeepsUntouchedPartsExactly) {
  const data::MoneyParts shown{"0", "00", "35"};
  struct Row {
    data::MoneyParts typed;
    double amount;
  } rows[] = {{shown, 0.35}, {{"0", "12", "34"}, 12.34}, {{"", ".5", ""}, 50.0},
              {{"1", "", ""}, 100.0}, {{"2", "05", "25"}, 205.25}};
  for (const Row& row : rows)
    EXPECT_DOUBLE_EQ(CollectedAmount(0.35, shown, row.typed), row.amount) << row.amount;
  EXPECT_EQ(CollectedAmount(0.35, shown, shown), 0.35);
}

// Which code is taken for which country is the lookup rules' table.
TEST(ChangePdbRules, AChosenLocationIsTakenWhole) {
  const data::LocationRow halifax = MakeLocationRow("Halifax", "Nova Scotia", "Canada", 2, 902);
  ChangeDataValues v;
  TakeLocation({halifax, "3:00 PM"}, v);
  EXPECT_EQ(v.city + "|" + v.state + "|" + v.stateCode + "|" + v.postalCode + "|" + v.country +
                "|" + v.countryCode + "|" + v.areaCode + "|" + v.localTime,
            "Halifax|Nova Scotia|No|12345|Canada|1|902|3:00 PM");
  EXPECT_EQ(v.timeZone, halifax.timeZone);
}
