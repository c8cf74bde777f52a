// The three books: one of them holds the fuzz input, the others are empty. Every entry read
// is shown the way the lists show it.
#include <algorithm>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/HourDefinitions.h"
#include "data/MoneyText.h"
#include "data/PdbFiles.h"
#include "data/PdbText.h"

namespace {

using namespace dorv::data;

void ShowEntry(const PdbRecord& entry, std::time_t now, bool twelveHour) {
  DialText(NumberPartsOf(entry), "UNITED STATES", "011", false);
  DialText(NumberPartsOf(entry), ReadField(entry.country), ReadField(entry.intlAccessCode), true);
  LocationText(LocationPartsOf(entry));
  LocalTimeText(now, entry.timeZone, ReadField(entry.country), twelveHour);
  DateTimeText(entry.lastOpened, twelveHour);
  for (int band = 0; band < 3; ++band) {
    BandTextOfEntry(entry, band, twelveHour);
    MoneyText(entry.rates[band].initial, entry.ratesChanged != 0);
    MoneyText(entry.rates[band].additional, true);
  }
  MoneyText(entry.surcharge, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const auto kind = static_cast<PdbKind>(1 + input.Value<std::uint8_t>() % 3);
  const bool twelveHour = input.Flag();
  const std::time_t now = input.Value<std::int32_t>();
  const auto& db = dorv::fuzz::FreshDatabase();
  const std::string book = input.Rest();
  for (PdbKind each : {PdbKind::Toll, PdbKind::TollFree, PdbKind::AudioTex})
    db.WriteFile(BookFileName(each), each == kind ? book : "");

  PdbFiles books;
  if (!books.Open()) return 0;
  const long count = books.Count(kind);
  PdbRecord entry{};
  for (long index = -1; index <= std::min(count, dorv::fuzz::kMaxRecords); ++index)
    if (books.ReadAt(index, entry, kind)) ShowEntry(entry, now, twelveHour);
  if (books.ReadAt(0, entry, kind))
    for (long read = 1; read < dorv::fuzz::kMaxRecords && books.ReadNext(entry, kind); ++read)
      ShowEntry(entry, now, twelveHour);
  return 0;
}
