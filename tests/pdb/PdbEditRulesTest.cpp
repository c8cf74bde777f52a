#include <gtest/gtest.h>

#include <cstring>

#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "support/SampleFixture.h"
#include "pdb/FakeEditSources.h"
#include "pdb/PdbEditApply.h"
#include "pdb/PdbEditRules.h"
#include "pdb/PdbTestBook.h"
#include "res/Strings.h"

using namespace dorv;
using data::WriteField;
using pdb::EditField;

namespace {

data::MyInfo UserIn(const char* country, int telcoAccess = 0) {
  data::MyInfo me{};
  WriteField(me.country, country);
  WriteField(me.intlAccessCode, "011");
  me.telcoAccessNumber = telcoAccess;
  return me;
}

data::PdbRecord SampleEntry() {
  data::PdbRecord e = test::FullEntry("Family", "Aunt May", "555");
  WriteField(e.stateCode, "ON");
  e.rates[0].additional = 5.0;
  e.initialInterval = 60;
  e.additionalInterval = 30;
  return e;
}

}  // namespace

TEST(PdbEditRules, IntlAccessAndCountryCodeOnlyForCallsAbroad) {
  struct Case {
    const char *entryCountry, *myCountry;
    bool filled;
  } cases[] = {{"Canada", "United States", false}, {"UNITED STATES", "canada", false},
               {"Canada", "France", true},         {"france", "FRANCE", false},
               {"France", "United States", true}};
  for (const Case& c : cases) {
    pdb::IntlFields f = pdb::IntlFieldsOf(c.entryCountry, "33", UserIn(c.myCountry));
    EXPECT_EQ(f.intlAccess + "/" + f.countryCode, c.filled ? "011/33" : "/") << c.entryCountry;
  }
}

TEST(PdbEditRules, TelcoAccessCodeHiddenWhenZeroOrTheUsersOwn) {
  data::MyInfo me = UserIn("United States", 10288);
  const std::pair<const char*, const char*> rows[] = {
      {"10333", "10333"}, {"10288", ""}, {"0", ""}, {"", ""}};
  for (auto [code, shown] : rows) EXPECT_EQ(pdb::TelcoAccessShown(code, me), shown) << code;
}

// Convert shows for letters in the phone parts; the call buttons need both parts.
TEST(PdbEditRules, LettersAndCallButtons) {
  const std::pair<const char*, bool> rows[] = {
      {"CALL", true}, {"55a", true}, {"555", false}, {"", false}, {"5-5", false}};
  for (auto [text, letter] : rows) EXPECT_EQ(pdb::HasLetter(text), letter) << text;
  EXPECT_TRUE(pdb::CallButtonsAllowed(true, "555", "0100"));
  EXPECT_FALSE(pdb::CallButtonsAllowed(false, "555", "0100"));
  EXPECT_FALSE(pdb::CallButtonsAllowed(true, "555", ""));
  EXPECT_FALSE(pdb::CallButtonsAllowed(true, "", "0100"));
}

// Rates of -1 are reset and show nothing; an untitled band shows no rates and no discount.
TEST(PdbEditRules, MoneyFieldsSkipMinusOneAndUntitledBandsAndShowDiscounts) {
  auto text = [](const data::MoneyParts& p) {
    return p.dollars + "/" + p.cents + "/" + p.hundredths;
  };
  pdb::EditWorking w;
  w.bandTitle = {"Day", "Evening", ""};
  w.rates[0] = {10.0, -1.0};
  w.rates[1] = {7.5, 4.0};
  w.rates[2] = {5.0, 2.0};
  w.surcharge = 125.5f;
  pdb::MoneyScreen m = pdb::MoneyScreenOf(w);
  std::vector<std::string> rates;
  for (const data::MoneyParts& p : m.rates) rates.push_back(text(p));
  EXPECT_EQ(rates, (std::vector<std::string>{"0/10/00", "//", "0/07/50", "0/04/00", "//", "//"}));
  EXPECT_EQ(w.rates[0].additional, 0.0);
  EXPECT_EQ(m.discounts, (std::array<std::string, 4>{"25%", " ", " ", " "}));
  EXPECT_EQ(text(m.surcharge), "1/25/50");
}

// A loaded entry stored back is no change; every listed field and working copy counts, and
// what is stored is what the screen and the working copies hold.
TEST(PdbEditRules, StoringFindsEveryChangeAndCopiesItIntoTheEntry) {
  const data::MyInfo me = UserIn("United States");
  const data::PdbRecord original = SampleEntry();
  pdb::EditScreen screen;
  pdb::EditWorking working;
  pdb::LoadScreen(original, me, 0, screen, working);
  data::PdbRecord buffer = original;
  EXPECT_FALSE(pdb::StoreScreen(screen, working, false, buffer));
  // A full department field shows and stores one character less, which is no change.
  data::PdbRecord full = original;
  std::memset(full.deptMailStop, 'd', sizeof full.deptMailStop);
  pdb::LoadScreen(full, me, 0, screen, working);
  screen[EditField::DeptMailStop].resize(24);
  EXPECT_FALSE(pdb::StoreScreen(screen, working, false, full));
  pdb::LoadScreen(original, me, 0, screen, working);

  using enum EditField;
  for (EditField f : {Type, Name, Contact, DeptMailStop, AreaCode, Prefix, Suffix, Extension,
                      Address1, Address2, City, State, PostalCode, Country, Note, Email, WebSite,
                      Telco, CallType, RateEffective, Comment, BandLine2}) {
    SCOPED_TRACE(pdb::SpecOf(f).label);
    pdb::EditScreen changed = screen;
    changed[f] += "x";
    data::PdbRecord b = original;
    EXPECT_TRUE(pdb::StoreScreen(changed, working, false, b));
  }
  const std::pair<const char*, void (*)(pdb::EditWorking&)> workingCases[] = {
      {"rate", [](pdb::EditWorking& w) { w.rates[2].additional = 1.5; }},
      {"band title", [](pdb::EditWorking& w) { w.bandTitle[2] = "Night"; }},
      {"band hours", [](pdb::EditWorking& w) { w.bandHours[17] = 2400; }},
      {"time zone", [](pdb::EditWorking& w) { w.timeZone = -5; }},
      {"surcharge", [](pdb::EditWorking& w) { w.surcharge = 0.5f; }},
      {"initial interval", [](pdb::EditWorking& w) { w.initialInterval = 6; }},
      {"additional interval", [](pdb::EditWorking& w) { w.additionalInterval = 6; }},
      {"state code", [](pdb::EditWorking& w) { w.stateCode = "QC"; }},
      {"country code", [](pdb::EditWorking& w) { w.countryCode = "44"; }},
      {"telco access", [](pdb::EditWorking& w) { w.telcoAccessCode = "10333"; }},
      {"location mark", [](pdb::EditWorking& w) { w.locationMark[0] = 'X'; }},
  };
  for (auto [name, change] : workingCases) {
    SCOPED_TRACE(name);
    pdb::EditWorking w = working;
    change(w);
    data::PdbRecord b = original;
    EXPECT_TRUE(pdb::StoreScreen(screen, w, false, b));
    // The change went into the entry, so a second comparison of what the screen now shows
    // finds none.
    pdb::EditScreen shown = screen;
    auto lines = pdb::BandLinesOf(w, false);
    for (int band = 0; band < 3; ++band)
      shown.text[static_cast<int>(EditField::BandLine1) + band] = lines[band];
    EXPECT_FALSE(pdb::StoreScreen(shown, w, false, b));
  }
  // Storing copies the screen, cut to each field, and the working copies into the entry.
  pdb::LoadScreen(original, UserIn("France"), 0, screen, working);
  screen[Name] = std::string(40, 'n');
  working.rates[0].initial = 12.0;
  data::PdbRecord stored = original;
  EXPECT_TRUE(pdb::StoreScreen(screen, working, false, stored));
  EXPECT_EQ(data::ReadField(stored.name), std::string(31, 'n'));
  EXPECT_EQ(data::ReadField(stored.intlAccessCode), "011");
  EXPECT_EQ(stored.rates[0].initial, 12.0);
  EXPECT_EQ(data::ReadField(stored.webSite), "old.example");
}

// A duplicate starts without the identity of the entry it copies, memo files included.
TEST(PdbEditRules, ClearIdentityKeepsLocationAndRates) {
  data::PdbRecord e = SampleEntry();
  pdb::ClearIdentity(e);
  using data::ReadField;
  EXPECT_EQ(ReadField(e.type) + ReadField(e.name) + ReadField(e.contact) +
                ReadField(e.address1) + ReadField(e.prefix) + ReadField(e.suffix) +
                ReadField(e.webSite) + ReadField(e.note),
            "");
  EXPECT_EQ(e.memoFileNumber, 0u);
  EXPECT_EQ(ReadField(e.city), "Toronto");
  EXPECT_EQ(e.rates[1].initial, 7.5);
}

TEST(PdbEditRules, RateRowByDistanceByKeyOrTheLastOne) {
  test::FakeServices services;
  services.rows = {test::MakeRateRow("AAA", "1", 50, {}), test::MakeRateRow("BBB", "2", 200, {}),
                   test::MakeRateRow("CCC", "3", 900, {})};
  struct Case {
    const char* name;
    bool international;
    double distance;
    const char *key, *taken;
  } cases[] = {{"near", false, 10, "", "AAA"},       {"on a bound", false, 50, "", "BBB"},
               {"beyond every bound", false, 5000, "", "CCC"},
               {"by key", true, 0, "BBB", "BBB"}, {"unknown key", true, 0, "ZZZ", "CCC"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    data::Service s{};
    services.ReadService(0, s);
    data::RateRow row{};
    ASSERT_TRUE(pdb::ChooseRateRow(services, c.international, c.distance, c.key, row));
    EXPECT_EQ(data::ReadField(row.rateKey), c.taken);
  }
  test::FakeServices empty;
  data::RateRow row{};
  EXPECT_FALSE(pdb::ChooseRateRow(empty, false, 0, "", row));
}

namespace {

struct LookupCase {
  test::TempDatabase db;
  data::MyInfo me = UserIn("United States");
  data::SampleTables tables;
  test::FakeServices services;
  test::FakeBandSets bandSets;
  pdb::EditScreen screen;
  pdb::EditWorking working;

  LookupCase() {
    db.WriteFile(data::kNorthAmericanStates,
                 test::EncodedImage({test::MakeState("CO", "Colima", "98"),
                                     test::MakeState("CO", "Colorado", "011")},
                                    data::EncodeState));
    tables.northAmericanStates.Open(data::kNorthAmericanStates);
    WriteField(services.service.company, "Far Telco");
    WriteField(services.service.callType, "Direct");
    WriteField(services.service.bandKey, "R1");
    services.service.effective = 10 * 86400 + 43200;
    services.service.initialInterval = 60;
    services.service.additionalInterval = 6;
    services.rows = {test::MakeRateRow("", "", 100, {1000, 500, 750, 400, 0, 0}),
                     test::MakeRateRow("", "", 9999, {2000, 900, 1500, 800, 0, 0})};
    data::HourDefinition set = test::MakeBandSet("R1", "Day", {800, 1700, 0, 0, 0, 0});
    WriteField(set.bandTitle[1], "Night");
    bandSets.sets["R1"] = set;
    screen[EditField::Prefix] = "555";
  }
  pdb::ApplyMessages Apply(const pdb::LookupChoice& result) {
    pdb::ApplyContext context{me, tables, services, bandSets, 0};
    return pdb::ApplyLookup(result, context, screen, working);
  }
};

using Strings = std::vector<std::string>;
Strings Texts(const pdb::ApplyMessages& messages) { return {messages.begin(), messages.end()}; }

pdb::LookupChoice Denver() {
  pdb::LookupChoice r;
  r.location = {"Denver", "CO", "Colorado", "80201", "303", "United States", "1", "", -2, 'M'};
  r.service = pdb::LookupService::Residential;
  r.serviceIndex = 0;
  r.distance = 40;
  return r;
}

}  // namespace

// The North American table and the group "011" pick Colorado, not Colima.
TEST(PdbEditApply, LookupTakesLocationServiceRatesAndBands) {
  LookupCase c;
  EXPECT_TRUE(c.Apply(Denver()).empty());
  Strings shown;
  for (EditField f : {EditField::City, EditField::State, EditField::PostalCode,
                      EditField::AreaCode, EditField::IntlAccess, EditField::Telco,
                      EditField::CallType, EditField::RateEffective})
    shown.push_back(c.screen[f]);
  EXPECT_EQ(shown, (Strings{"Denver", "Colorado", "80201", "303", "", "Far Telco", "Direct",
                            "Jan 11, 1970"}));
  const pdb::EditWorking& w = c.working;
  EXPECT_EQ(std::tie(w.stateCode, w.countryCode, w.timeZone, w.locationMark[0], w.initialInterval,
                     w.bandTitle[1], w.ratesChanged),
            std::make_tuple("CO", "1", -2, 'M', 60u, "Night", 0));
  EXPECT_DOUBLE_EQ(w.rates[1].initial, 7.5);
  EXPECT_EQ(c.screen[EditField::BandLine1],
            data::BandText("Day", {800, 1700, 0, 0, 0, 0}, false, true));
}

TEST(PdbEditApply, LookupFailuresKeepWhatCouldNotBeRead) {
  {
    LookupCase c;
    c.services.fails = true;
    c.working.rates[0].initial = 3.0;
    EXPECT_EQ(Texts(c.Apply(Denver())), (Strings{res::kErrorRateFile, res::kErrorRateFile}));
    EXPECT_EQ(c.working.rates[0].initial, 3.0);
    EXPECT_EQ(c.screen[EditField::City], "Denver");
  }
  {
    LookupCase c;
    c.bandSets.sets.clear();
    EXPECT_EQ(Texts(c.Apply(Denver())), (Strings{res::kErrorHourDefinitions}));
    EXPECT_DOUBLE_EQ(c.working.rates[0].initial, 10.0);
    EXPECT_EQ(c.working.bandTitle[0], "");
  }
  {
    // Abroad the band set comes from the rate row chosen by key.
    LookupCase c;
    c.services.rows = {test::MakeRateRow("PAR", "R1", 0, {9000, 9000, 0, 0, 0, 0})};
    pdb::LookupChoice paris = Denver();
    paris.location = {"Paris", "", "", "", "1", "France", "33", "PAR", 6, 0};
    paris.service = pdb::LookupService::International;
    EXPECT_TRUE(c.Apply(paris).empty());
    EXPECT_DOUBLE_EQ(c.working.rates[0].initial, 90.0);
    EXPECT_EQ(c.working.bandTitle[0], "Day");
    EXPECT_EQ(c.screen[EditField::IntlAccess] + "/" + c.screen[EditField::CountryCode], "011/33");
    EXPECT_EQ(c.screen[EditField::State], "");
  }
}

TEST(PdbEditApply, ChangeDataMarksChangedRatesAndHidesTheUsersOwnAccessCode) {
  const data::MyInfo me = UserIn("United States", 10288);
  pdb::EditScreen screen;
  pdb::EditWorking working;
  working.rates[0] = {10.0, 5.0};
  pdb::ChangeDataValues same = pdb::ChangeValuesOf(screen, working);
  same.telcoAccessCode = "10288";
  same.country = "France";
  same.countryCode = "33";
  pdb::ApplyChange(same, me, screen, working);
  EXPECT_EQ(working.ratesChanged, 0);
  EXPECT_EQ(screen[EditField::TelcoAccess], "");
  EXPECT_EQ(working.telcoAccessCode, "10288");
  EXPECT_EQ(screen[EditField::CountryCode], "33");

  pdb::ChangeDataValues cheaper = pdb::ChangeValuesOf(screen, working);
  cheaper.rates[1] = 4.0;
  cheaper.telcoAccessCode = "10333";
  pdb::ApplyChange(cheaper, me, screen, working);
  EXPECT_EQ(working.ratesChanged, 1);
  EXPECT_EQ(working.rates[0].additional, 4.0);
  EXPECT_EQ(screen[EditField::TelcoAccess], "10333");
}
