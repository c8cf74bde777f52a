#pragma once
#include "data/FixedText.h"
#include "support/SampleFixture.h"
#include "data/SampleTables.h"
#include "support/TempDatabase.h"

namespace dorv::test {

// Four small region tables with places chosen for the search rules, opened like at start-up.
struct LookupTables {
  TempDatabase db;
  data::SampleTables tables;
  LookupTables() {
    WriteMinimalSampleFiles(db);
    auto place = [](const char* city, const char* state, const char* country, const char* shortName,
                    int areaCode, const char* cityCode, int countryCode) {
      data::SampleLocation l = MakeLocation(city, state, country, shortName);
      l.areaCode = areaCode;
      data::WriteField(l.cityCode, cityCode);
      l.countryCode = countryCode;
      return l;
    };
    db.WriteFile(data::kUnitedStatesTable,
                 EncodedImage({place("San Diego", "CA", "United States", "US", 619, "", 1),
                               place("Philadelphia", "PA", "United States", "US", 610, "", 1),
                               place("Santa Fe", "NM", "United States", "US", 505, "", 1),
                               place("Dallas", "TX", "United States", "US", 214, "", 1)},
                              data::EncodeLocation));
    db.WriteFile(data::kCanadaTable,
                 EncodedImage({place("Sandy Cove", "NS", "Canada", "CA", 902, "", 1)},
                              data::EncodeLocation));
    db.WriteFile(data::kMexicoTable,
                 EncodedImage({place("SAN LUIS POTOSI", "SLP", "Mexico", "MX", 0, "444", 52),
                               place("Guadalajara", "JAL", "Mexico", "MX", 0, "33", 52)},
                              data::EncodeLocation));
    db.WriteFile(data::kInternationalTable,
                 EncodedImage({place("Santiago", "", "Chile", "CL", 0, "2", 56),
                               place("Lagos", "", "Nigeria", "NG", 0, "612", 234),
                               place("Sydney", "NSW", "Australia", "AU", 0, "2", 61)},
                              data::EncodeLocation));
    tables.Open();
  }
};

}  // namespace dorv::test
