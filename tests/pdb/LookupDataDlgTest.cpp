#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/Prompter.h"
#include "data/FixedText.h"
#include "support/Builders.h"
#include "support/SampleFixture.h"
#include "data/SampleImages.h"
#include "pdb/CLookupDataDlg.h"
#include "platform/Messages.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using data::SearchCriterion;
using pdb::CLookupDataDlg;
using pdb::LookupService;

namespace {

// The user sits at 40 N 75 W; Trenton lies 30 miles north of that, Allentown just over 50.
constexpr double kUserLatitude = 40.0;
constexpr double kUserLongitude = -75.0;

struct Place {
  const char* city;
  const char* stateCode;
  const char* country;
  const char* rateKey;
  int areaCode;
  const char* cityCode;
  int countryCode;
  const char* postalCode;
  double latitude;
};

data::SampleLocation LocationOf(const Place& p) {
  data::SampleLocation l = test::MakeLocation(p.city, p.stateCode, p.country, p.rateKey);
  l.areaCode = p.areaCode;
  data::WriteField(l.cityCode, p.cityCode);
  l.countryCode = p.countryCode;
  data::WriteField(l.postalCode, p.postalCode);
  l.latitude = p.latitude;
  l.longitude = kUserLongitude;
  return l;
}

// A sample database with a few places at known distances from the user and the five rate
// files, each with services named after it.
struct LookupDatabase {
  test::TempDatabase db;
  data::SampleTables tables;
  LookupDatabase() {
    test::WriteMinimalSampleFiles(db);
    auto table = [this](const char* name, std::initializer_list<Place> places) {
      std::string image;
      for (const Place& p : places) data::AppendEncoded(image, LocationOf(p), data::EncodeLocation);
      db.WriteFile(name, image);
    };
    table(data::kUnitedStatesTable,
          {{"Trenton", "NJ", "United States", "US", 609, "", 1, "08608", 40.4339},
           {"Allentown", "PA", "United States", "US", 610, "", 1, "18101", 40.7233},
           {"Wilmington", "DE", "United States", "US", 302, "", 1, "19801", 39.0},
           {"Dallas", "TX", "United States", "US", 214, "", 1, "75201", 32.78}});
    table(data::kCanadaTable,
          {{"Toronto", "ON", "CANADA", "CA", 416, "4160", 1, "M5H 2N2", 43.65}});
    table(data::kMexicoTable,
          {{"Guadalajara", "JAL", "Mexico", "MX", 999, "33", 52, "44100", 20.67}});
    table(data::kInternationalTable, {{"Lagos", "", "Nigeria", "NG", 0, "1", 234, "", 6.45}});
    test::WriteRateFile(db, "dorv11", {{"Far Home Telephone", "HOME LONG DISTANCE"}});
    test::WriteRateFile(db, "dorv12", {{"Far Office Telephone", "OFFICE LONG DISTANCE"}});
    // Services of two companies: the caption names the last one's.
    test::WriteRateFile(db, "dorv13",
                  {{"Globe One", "WORLD Globe One"}, {"Globe Two", "WORLD Globe Two"}});
    test::WriteRateFile(db, "dorv14", {{"Near Home Telephone", "HOME NEARBY"}});
    test::WriteRateFile(
        db, "dorv15",
        {{"Near Office Telephone", "OFFICE NEARBY"}, {"Near Office Telephone", "OFFICE SAVER"}});
    tables.Open();
  }
};

struct OpenLookupData {
  LookupDatabase sample;
  data::MyInfo info{};
  data::RateFile rateFile;
  CLookupDataDlg dialog;
  OpenLookupData() : dialog(info, sample.tables, rateFile) {
    SetUpInfo(info);
    dialog.show();
  }
  static void SetUpInfo(data::MyInfo& info) {
    data::ClearMyInfo(info);
    data::WriteField(info.country, "united states");  // letter case does not matter
    info.latitude = kUserLatitude;
    info.longitude = kUserLongitude;
  }

  void SearchFor(const char* text, data::SearchCriterion criterion) {
    dialog.SearchField()->clear();
    QTest::keyClicks(dialog.SearchField(), text);
    QTest::mouseClick(dialog.CriterionButton(criterion), Qt::LeftButton);
  }
  static QStringList Column(const platform::ReportList* list, int column) {
    return test::ColumnTexts(list, column);
  }
  static void ClickRow(platform::ReportList* list, int row) { test::ClickRow(list, row); }
  // Searches a city, focuses its only row and then the type of service with the given text.
  void Pick(const char* city, const char* serviceType) {
    SearchFor(city, data::SearchCriterion::City);
    ASSERT_EQ(dialog.LocationList()->Model()->rowCount(), 1);
    ClickRow(dialog.LocationList(), 0);
    int row = Column(dialog.TypeList(), 0).indexOf(serviceType);
    ASSERT_GE(row, 0) << serviceType;
    ClickRow(dialog.TypeList(), row);
  }
  QStringList Services() const { return Column(dialog.ServiceList(), 0); }
};

}  // namespace

// Which types each country gets is the rules' table; the dialog lists them for the focused row.
TEST(LookupDataDlg, FocusingALocationListsItsTypesOfService) {
  OpenLookupData lookup;
  EXPECT_FALSE(lookup.dialog.TypeList()->isEnabled());
  lookup.SearchFor("Dallas", SearchCriterion::City);
  lookup.ClickRow(lookup.dialog.LocationList(), 0);
  EXPECT_TRUE(lookup.dialog.TypeList()->isEnabled());
  EXPECT_EQ(lookup.Column(lookup.dialog.TypeList(), 0),
            (QStringList{res::kServiceTypeResidental, res::kServiceTypeBusiness}));
  EXPECT_FALSE(lookup.dialog.ServiceList()->isEnabled());
}

TEST(LookupDataDlg, TheTypeAndTheDistanceChooseTheRateFile) {
  OpenLookupData lookup;
  const struct {
    const char* city;
    const char* type;
    QStringList services;
    const char* company;
  } rows[] = {
      {"Trenton",
       res::kServiceTypeBusiness,
       {"OFFICE NEARBY", "OFFICE SAVER"},
       "Near Office Telephone"},
      {"Allentown", res::kServiceTypeBusiness, {"OFFICE LONG DISTANCE"}, "Far Office Telephone"},
      {"Guadalajara",
       res::kServiceTypeInternational,
       {"WORLD Globe One", "WORLD Globe Two"},
       "Globe Two"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.city) + " " + row.type);
    lookup.Pick(row.city, row.type);
    EXPECT_TRUE(lookup.dialog.ServiceList()->isEnabled());
    EXPECT_EQ(lookup.Services(), row.services);
    EXPECT_TRUE(lookup.dialog.ServicesCaption()->isVisible());
    EXPECT_EQ(lookup.dialog.ServicesCaption()->text(),
              QString(res::kLookupServicesFor).replace("%s", row.company));
  }
}

TEST(LookupDataDlg, FocusingAnotherLocationEmptiesAndDisablesTheServices) {
  OpenLookupData lookup;
  lookup.SearchFor("6", data::SearchCriterion::AreaOrCityCode);  // Trenton 609, Allentown 610
  ASSERT_EQ(lookup.Column(lookup.dialog.LocationList(), 1), (QStringList{"Trenton", "Allentown"}));
  lookup.ClickRow(lookup.dialog.LocationList(), 0);
  lookup.ClickRow(lookup.dialog.TypeList(), 1);
  ASSERT_EQ(lookup.Services().size(), 2);
  lookup.ClickRow(lookup.dialog.LocationList(), 1);
  EXPECT_TRUE(lookup.Services().isEmpty());
  EXPECT_FALSE(lookup.dialog.ServiceList()->isEnabled());
  EXPECT_TRUE(lookup.dialog.TypeList()->isEnabled());
  // Focusing a type again lists the services for the new location.
  lookup.ClickRow(lookup.dialog.TypeList(), 1);
  EXPECT_TRUE(lookup.dialog.ServiceList()->isEnabled());
  EXPECT_EQ(lookup.Services(), QStringList{"OFFICE LONG DISTANCE"});
  // A new search empties and disables both lists on the right.
  lookup.SearchFor("Dallas", data::SearchCriterion::City);
  EXPECT_EQ(lookup.dialog.TypeList()->Model()->rowCount(), 0);
  EXPECT_TRUE(lookup.Services().isEmpty());
  EXPECT_FALSE(lookup.dialog.TypeList()->isEnabled());
  EXPECT_FALSE(lookup.dialog.ServiceList()->isEnabled());
}

TEST(LookupDataDlg, ZipCodeColumnShowsPostalCodesAndSortsByThem) {
  OpenLookupData lookup;
  lookup.SearchFor("US", data::SearchCriterion::Country);
  // Sorted by code after the search: 214, 302, 609, 610.
  EXPECT_EQ(lookup.Column(lookup.dialog.LocationList(), 3),
            (QStringList{"75201", "19801", "08608", "18101"}));
  EXPECT_EQ(lookup.Column(lookup.dialog.LocationList(), 4).front(), "United States");
  auto* header = lookup.dialog.LocationList()->header();
  emit header->sectionClicked(3);
  EXPECT_EQ(lookup.Column(lookup.dialog.LocationList(), 3),
            (QStringList{"08608", "18101", "19801", "75201"}));
  emit header->sectionClicked(3);
  EXPECT_EQ(lookup.Column(lookup.dialog.LocationList(), 3).front(), "75201");
  // The search left Code's flag set, so its first click sorts descending.
  emit header->sectionClicked(0);
  EXPECT_EQ(lookup.Column(lookup.dialog.LocationList(), 0).front(), "610");
}

TEST(LookupDataDlg, OkWithoutAServiceOrSearchTextSaysSoAndKeepsTheLists) {
  OpenLookupData lookup;
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  lookup.SearchFor("6", data::SearchCriterion::AreaOrCityCode);
  lookup.ClickRow(lookup.dialog.LocationList(), 1);
  lookup.ClickRow(lookup.dialog.TypeList(), 0);
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  lookup.dialog.SearchField()->clear();
  QTest::mouseClick(lookup.dialog.CriterionButton(data::SearchCriterion::City), Qt::LeftButton);
  ASSERT_EQ(prompter.Shown().size(), 2u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorSelectFromEachList);
  EXPECT_EQ(prompter.Shown()[1], res::kErrorNoSearchParameters);
  EXPECT_TRUE(lookup.dialog.isVisible());
  EXPECT_FALSE(lookup.dialog.Choice().has_value());
  EXPECT_EQ(lookup.dialog.LocationList()->Model()->rowCount(), 2);
  EXPECT_EQ(lookup.dialog.LocationList()->selectionModel()->selectedRows().value(0).row(), 1);
  EXPECT_EQ(lookup.dialog.TypeList()->Model()->rowCount(), 2);
  EXPECT_EQ(lookup.Services(), QStringList{"HOME LONG DISTANCE"});
}

TEST(LookupDataDlg, OkHandsBackLocationAndServiceWithTheRateFileLeftOpen) {
  OpenLookupData lookup;
  lookup.Pick("Guadalajara", res::kServiceTypeInternational);
  lookup.ClickRow(lookup.dialog.ServiceList(), 1);
  lookup.dialog.OkButton()->setFocus();
  QTest::keyClick(lookup.dialog.OkButton(), Qt::Key_Return);
  EXPECT_FALSE(lookup.dialog.isVisible());
  EXPECT_EQ(lookup.dialog.result(), 1);
  ASSERT_TRUE(lookup.dialog.Choice().has_value());
  const pdb::LookupChoice& choice = *lookup.dialog.Choice();
  EXPECT_EQ(choice.location.city, "Guadalajara");
  EXPECT_EQ(choice.location.areaCode, "33");
  EXPECT_EQ(choice.service, LookupService::International);
  EXPECT_EQ(choice.serviceIndex, 1);
  // The editor reads the chosen service from the file the dialog left open.
  ASSERT_TRUE(lookup.rateFile.IsOpen());
  data::Service service{};
  ASSERT_TRUE(lookup.rateFile.ReadService(choice.serviceIndex, service));
  EXPECT_EQ(data::ReadField(service.callType), "WORLD Globe Two");
}

TEST(LookupDataDlg, RunLookupDataGivesTheWholeChoiceOnOkAndNothingOnCancelOrEscape) {
  LookupDatabase sample;
  data::MyInfo info{};
  OpenLookupData::SetUpInfo(info);
  data::RateFile rateFile;
  auto run = [&](std::function<void(CLookupDataDlg&)> drive) {
    platform::SetModalHook([&](QDialog& dialog) {
      dialog.show();
      drive(static_cast<CLookupDataDlg&>(dialog));
      return dialog.result();
    });
    std::optional<pdb::LookupChoice> choice =
        pdb::RunLookupData(info, sample.tables, rateFile, nullptr);
    platform::SetModalHook({});
    return choice;
  };
  auto pickTrenton = [](CLookupDataDlg& dialog) {
    QTest::keyClicks(dialog.SearchField(), "trenton");
    QTest::mouseClick(dialog.CriterionButton(data::SearchCriterion::City), Qt::LeftButton);
    OpenLookupData::ClickRow(dialog.LocationList(), 0);
    OpenLookupData::ClickRow(dialog.TypeList(), 1);
    OpenLookupData::ClickRow(dialog.ServiceList(), 0);
  };
  std::optional<pdb::LookupChoice> choice = run([&](CLookupDataDlg& dialog) {
    pickTrenton(dialog);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  });
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->location.postalCode, "08608");
  EXPECT_EQ(choice->service, LookupService::Business);
  EXPECT_NEAR(choice->distance, 30.0, 0.01);
  EXPECT_TRUE(rateFile.IsOpen());

  EXPECT_FALSE(run([&](CLookupDataDlg& dialog) {
    pickTrenton(dialog);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
  }));
  EXPECT_FALSE(run([&](CLookupDataDlg& dialog) {
    pickTrenton(dialog);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
  }));
}

TEST(LookupDataDlg, AnUncountableRegionEndsAsCancelled) {
  OpenLookupData lookup;
  lookup.sample.tables.mexico.Close();
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  lookup.SearchFor("t", data::SearchCriterion::City);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0],
            platform::ShownText(QString(res::kErrorInternal).replace("%i", "105")));
  EXPECT_FALSE(lookup.dialog.isVisible());
  EXPECT_EQ(lookup.dialog.result(), 0);
  EXPECT_FALSE(lookup.dialog.Choice().has_value());
}

TEST(LookupDataDlg, AMissingRateFileIsToldAndListsNoServices) {
  OpenLookupData lookup;
  std::filesystem::remove(lookup.sample.db.Path("dorv13"));
  dorv::test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Ok);
  lookup.Pick("Lagos", res::kServiceTypeInternational);
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], res::kErrorRateFile);
  EXPECT_TRUE(lookup.Services().isEmpty());
  EXPECT_FALSE(lookup.rateFile.IsOpen());
}
