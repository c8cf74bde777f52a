#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "data/FixedText.h"
#include "data/SampleImages.h"
#include "pdb/CLookupDataDlg.h"
#include "pdb/LookupDataRules.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/SampleFixture.h"

using namespace dorv;
using data::SearchCriterion;
using pdb::CLookupDataDlg;
using pdb::LookupService;

namespace {

// A sample database with a few places at known distances from the user and the five rate
// files, each with services named after it; the user, and the rate file the lookup opens.
struct LookupDatabase {
  test::TempDatabase db;
  data::SampleTables tables;
  data::MyInfo info{};
  data::RateFile rateFile;
  LookupDatabase() {
    data::ClearMyInfo(info);
    data::WriteField(info.country, "united states");  // letter case does not matter
    info.latitude = 40.0;
    info.longitude = -75.0;
    test::WriteMinimalSampleFiles(db);
    // The user sits at 40 N 75 W; Trenton lies 30 miles north of that, Allentown just over 50.
    auto place = [](const char* city, const char* state, const char* country, int areaCode,
                    const char* cityCode, int countryCode, const char* postalCode, double north) {
      data::SampleLocation l = test::MakeLocation(city, state, country, "XX");
      l.areaCode = areaCode;
      data::WriteField(l.cityCode, cityCode);
      l.countryCode = countryCode;
      data::WriteField(l.postalCode, postalCode);
      l.latitude = north;
      l.longitude = -75.0;
      return l;
    };
    auto table = [this](const char* name, std::initializer_list<data::SampleLocation> places) {
      db.WriteFile(name, test::EncodedImage(places, data::EncodeLocation));
    };
    table(data::kUnitedStatesTable,
          {place("Trenton", "NJ", "United States", 609, "", 1, "08608", 40.4339),
           place("Allentown", "PA", "United States", 610, "", 1, "18101", 40.7233),
           place("Dallas", "TX", "United States", 214, "", 1, "75201", 32.78)});
    table(data::kCanadaTable, {place("Toronto", "ON", "CANADA", 416, "4160", 1, "M5H 2N2", 43.65)});
    table(data::kMexicoTable,
          {place("Guadalajara", "JAL", "Mexico", 999, "33", 52, "44100", 20.67)});
    table(data::kInternationalTable, {place("Lagos", "", "Nigeria", 0, "1", 234, "", 6.45)});
    test::WriteRateFile(db, "dorv11", {{"Far Home Telephone", "HOME LONG DISTANCE"}});
    test::WriteRateFile(db, "dorv12", {{"Far Office Telephone", "OFFICE LONG DISTANCE"}});
    test::WriteRateFile(db, "dorv13", {{"Globe One", "WORLD Globe One"}});
    test::WriteRateFile(db, "dorv14", {{"Near Home Telephone", "HOME NEARBY"}});
    test::WriteRateFile(
        db, "dorv15",
        {{"Near Saver Telephone", "OFFICE NEARBY"}, {"Near Office Telephone", "OFFICE SAVER"}});
    tables.Open();
  }
};

void SearchFor(CLookupDataDlg& dialog, const char* text, SearchCriterion criterion) {
  dialog.SearchField()->clear();
  QTest::keyClicks(dialog.SearchField(), text);
  QTest::mouseClick(dialog.CriterionButton(criterion), Qt::LeftButton);
}

struct OpenLookupData {
  LookupDatabase sample;
  CLookupDataDlg dialog{sample.info, sample.tables, sample.rateFile};
  OpenLookupData() { dialog.show(); }
  QStringList Locations(int column) const {
    return test::ColumnTexts(dialog.LocationList(), column);
  }
  QStringList Types() const { return test::ColumnTexts(dialog.TypeList(), 0); }
  QStringList Services() const { return test::ColumnTexts(dialog.ServiceList(), 0); }
};

}  // namespace

// Which types each country gets and which rate file serves them are the rules' tables; the
// dialog lists them for the focused row, empties what depends on an older focus, tells of a
// missing choice, search text or rate file, and ends as cancelled on a region it cannot count.
TEST(LookupDataDlg, FocusingALocationListsItsTypesAndATypeItsServices) {
  OpenLookupData lookup;
  test::Prompter prompter{QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
  SearchFor(lookup.dialog, "6", SearchCriterion::AreaOrCityCode);  // Trenton 609, Allentown 610
  ASSERT_EQ(lookup.Locations(1), (QStringList{"Trenton", "Allentown"}));
  test::ClickRow(lookup.dialog.LocationList(), 0);
  EXPECT_EQ(lookup.Types(), (QStringList{res::kServiceTypeResidental, res::kServiceTypeBusiness}));
  test::ClickRow(lookup.dialog.TypeList(), 1);
  // OK without a service, and a search without text, say so and keep the lists.
  QTest::mouseClick(lookup.dialog.OkButton(), Qt::LeftButton);
  SearchFor(lookup.dialog, "", SearchCriterion::City);
  EXPECT_FALSE(lookup.dialog.Choice().has_value());
  EXPECT_EQ(lookup.Services(), (QStringList{"OFFICE NEARBY", "OFFICE SAVER"}));
  test::ClickRow(lookup.dialog.LocationList(), 1);
  EXPECT_TRUE(lookup.Services().isEmpty());
  // A new search empties both lists on the right; the Zip Code column sorts by postal code.
  SearchFor(lookup.dialog, "united", SearchCriterion::Country);
  EXPECT_TRUE(lookup.Types().isEmpty());
  EXPECT_TRUE(lookup.Services().isEmpty());
  emit lookup.dialog.LocationList()->header()->sectionClicked(3);
  EXPECT_EQ(lookup.Locations(3), (QStringList{"08608", "18101", "75201"}));
  // A rate file that cannot be opened is told and lists no services.
  std::filesystem::remove(lookup.sample.db.Path("dorv13"));
  SearchFor(lookup.dialog, "Lagos", SearchCriterion::City);
  test::ClickRow(lookup.dialog.LocationList(), 0);
  test::ClickRow(lookup.dialog.TypeList(), 0);  // International, the only type abroad
  EXPECT_TRUE(lookup.Services().isEmpty());
  EXPECT_FALSE(lookup.sample.rateFile.IsOpen());
  EXPECT_TRUE(lookup.dialog.isVisible());
  lookup.sample.tables.mexico.Close();
  SearchFor(lookup.dialog, "t", SearchCriterion::City);
  test::ExpectShown(
      prompter, {res::kErrorSelectFromEachList, res::kErrorNoSearchParameters, res::kErrorRateFile,
                 QString(res::kErrorInternal).replace("%i", "105")});
  EXPECT_FALSE(lookup.dialog.isVisible());
  EXPECT_EQ(lookup.dialog.result(), 0);
}

// OK (by Enter) hands back the location and the service, with the rate file left open for the
// editor to read the chosen service from; Cancel hands back nothing.
TEST(LookupDataDlg, RunLookupDataGivesTheWholeChoiceOnOkAndNothingOnCancel) {
  LookupDatabase sample;
  for (bool ok : {true, false}) {
    test::ModalScript script([ok](QDialog& d) {
      auto& dialog = static_cast<CLookupDataDlg&>(d);
      SearchFor(dialog, "trenton", SearchCriterion::City);
      test::ClickRow(dialog.LocationList(), 0);
      test::ClickRow(dialog.TypeList(), 1);
      test::ClickRow(dialog.ServiceList(), 1);
      QPushButton* button = ok ? dialog.OkButton() : dialog.CancelButton();
      button->setFocus();
      QTest::keyClick(button, Qt::Key_Return);
    });
    std::optional<pdb::LookupChoice> choice =
        pdb::RunLookupData(sample.info, sample.tables, sample.rateFile, nullptr);
    ASSERT_EQ(choice.has_value(), ok);
    if (!ok) break;
    EXPECT_EQ(std::tie(choice->service, choice->serviceIndex),
              std::make_tuple(LookupService::Business, 1));
    EXPECT_NEAR(choice->distance, 30.0, 0.01);
    data::Service service{};
    ASSERT_TRUE(sample.rateFile.ReadService(choice->serviceIndex, service));
    EXPECT_EQ(data::ReadField(service.callType), "OFFICE SAVER");
  }
}

TEST(LookupDataRules, NearbyRateFilesServeOnlyBelowFiftyAndOnlyAtHome) {
  const struct {
    LookupService type;
    double distance;
    const char* file;
  } rows[] = {
      {LookupService::Residential, 49.99, "dorv14"},  {LookupService::Residential, 50.0, "dorv11"},
      {LookupService::Business, 30.0, "dorv15"},      {LookupService::Business, 50.0, "dorv12"},
      {LookupService::International, 10.0, "dorv13"}, {LookupService::None, 10.0, "dorv13"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.distance);
    EXPECT_EQ(pdb::RateFileFor(row.type, row.distance), row.file);
  }
}

TEST(LookupDataRules, OwnCountryOffersResidentialAndBusinessElsewhereOnlyInternational) {
  const std::vector<LookupService> home{LookupService::Residential, LookupService::Business};
  const std::vector<LookupService> abroad{LookupService::International};
  EXPECT_EQ(pdb::ServiceTypesFor("United States", "united states"), home);
  EXPECT_EQ(pdb::ServiceTypesFor("CANADA", "United States"), abroad);
}

TEST(LookupDataRules, AreaCodeInTheUnitedStatesAndCanadaCityCodeElsewhere) {
  const struct {
    const char* country;
    int areaCode;
    const char* cityCode;
    const char* taken;
  } rows[] = {
      {"United States", 609, "", "609"}, {"united states", 303, "", "303"},
      {"CANADA", 416, "4160", "416"},    {"Mexico", 999, "33", "33"},
      {"Nigeria", 0, "1", "1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.country);
    data::LocationRow place;
    place.country = row.country;
    place.areaCode = row.areaCode;
    place.cityCode = row.cityCode;
    EXPECT_EQ(pdb::AreaOrCityCodeOf(place), row.taken);
  }
}

// The distance and the service are the lookup dialog's run; the rest rides along.
TEST(LookupDataRules, TheChoiceCarriesTheWholeLocation) {
  data::LocationRow place = test::MakeLocationRow("Guadalajara", "Jalisco", "Mexico", 3, 0, "33");
  place.rateKey = "MX";
  const pdb::LookupLocation l =
      pdb::ChoiceOf(place, LookupService::International, 1, 1500.0).location;
  EXPECT_EQ(l.city + "|" + l.stateCode + "|" + l.stateName + "|" + l.postalCode + "|" + l.areaCode +
                "|" + l.country + "|" + l.countryCode + "|" + l.rateKey,
            "Guadalajara|Ja|Jalisco|12345|33|Mexico|52|MX");
  EXPECT_EQ(std::tie(l.timeZone, l.locationMark), std::tie(place.timeZone, place.locationMark));
}
