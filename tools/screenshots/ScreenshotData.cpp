#include "ScreenshotData.h"

#include <stdexcept>

#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "support/SampleFixture.h"

namespace dorv::screenshots {
namespace {

struct Contact {
  const char* type;
  const char* name;
  const char* city;
  const char* state;
  const char* country;
  const char* areaCode;
  const char* prefix;
  const char* suffix;
};

constexpr Contact kContacts[] = {
    {"Family", "Aunt Rosa", "Santa Fe", "New Mexico", "United States", "505", "555", "0142"},
    {"Business", "Harbor Freight Office", "Halifax", "Nova Scotia", "Canada", "902", "555", "0187"},
    {"Friends", "Miguel Ortega", "Guadalajara", "Jalisco", "Mexico", "33", "5550", "1200"},
    {"Business", "Northwind Supply", "Dallas", "Texas", "United States", "214", "555", "0123"},
    {"Family", "Grandpa Joe", "San Diego", "California", "United States", "619", "555", "0199"},
};

}  // namespace

void LayOutUserData(const test::TempDatabase& db) {
  if (!test::CopySampleFiles(db, DORV_SAMPLEDB_DIR))
    throw std::runtime_error("the generated sample files are missing");
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  data::MyInfoFile infoFile;
  data::MyInfo info;
  if (!infoFile.Open() || !infoFile.Read(info)) data::ClearMyInfo(info);
  data::WriteField(info.name, "Pat Example");
  data::WriteField(info.address, "1200 Market Street");
  data::WriteField(info.city, "Philadelphia");
  data::WriteField(info.state, "Pennsylvania");
  data::WriteField(info.country, "United States");
  data::WriteField(info.postalCode, "19107");
  data::WriteField(info.areaCode, "215");
  data::WriteField(info.prefix, "555");
  data::WriteField(info.suffix, "0175");
  info.latitude = 39.9526;
  info.longitude = -75.1652;
  info.infoStored = 1;
  infoFile.Write(info);
  infoFile.Close();

  data::PdbFiles books;
  if (!books.Open()) throw std::runtime_error("the books cannot be opened");
  for (const Contact& c : kContacts) {
    data::PdbRecord entry;
    data::ClearRecord(entry);
    data::WriteField(entry.type, c.type);
    data::WriteField(entry.name, c.name);
    data::WriteField(entry.city, c.city);
    data::WriteField(entry.state, c.state);
    data::WriteField(entry.country, c.country);
    data::WriteField(entry.areaCode, c.areaCode);
    data::WriteField(entry.prefix, c.prefix);
    data::WriteField(entry.suffix, c.suffix);
    books.Append(entry, data::PdbKind::Toll);
  }
}

}  // namespace dorv::screenshots
