#include "callscreen/CallScreenWorld.h"

#include <algorithm>
#include <stdexcept>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "rating/callscreen/CallFinish.h"

namespace dorv::test {

data::PdbRecord MakeEntry() {
  data::PdbRecord entry;
  data::ClearRecord(entry);
  data::WriteField(entry.name, "Aunt Mary");
  data::WriteField(entry.city, "Springfield");
  data::WriteField(entry.state, "Illinois");
  data::WriteField(entry.country, "UNITED STATES");
  data::WriteField(entry.areaCode, "217");
  data::WriteField(entry.prefix, "555");
  data::WriteField(entry.suffix, "0199");
  data::WriteField(entry.bandTitle[0], "Day");
  data::WriteField(entry.bandTitle[1], "Evening");
  data::WriteField(entry.bandTitle[2], "Weekend");
  entry.rates[0] = {20.0, 10.0};
  entry.rates[1] = {10.0, 5.0};
  entry.rates[2] = {5.0, 2.0};
  const std::uint16_t hours[18] = {800, 1700, 0, 0, 0, 0,       1700, 2300, 0,
                                   0,   0,    0, 0, 0, 2400, 2400, 2400, 2400};
  std::copy_n(hours, 18, entry.bandHours);
  entry.initialInterval = 60;
  entry.additionalInterval = 60;
  entry.timeZone = -6;
  entry.surcharge = 25.0f;
  entry.ratesChanged = 1;
  entry.locationMark[0] = 'U';
  return entry;
}

CallScreenWorld::CallScreenWorld() {
  for (const char* book : {"DORV21", "DORV22", "DORV23"}) db.WriteFile(book, "");
  if (!pdb.Open()) throw std::runtime_error("books do not open");
  // As at start-up: the memo counter is reconciled before any memo file is made.
  if (!pdb.SyncCounter(counter)) throw std::runtime_error("memo counter");
  data::ClearMyInfo(myInfo);
  data::WriteField(myInfo.name, "Pat Caller");
  data::WriteField(myInfo.country, "UNITED STATES");
  data::WriteField(myInfo.intlAccessCode, "011");
  entry = MakeEntry();
  if (!pdb.Append(entry, data::PdbKind::Toll)) throw std::runtime_error("append failed");
}

std::vector<data::CallLogRecord> CallScreenWorld::Calls(int month, int year) {
  std::vector<data::CallLogRecord> calls;
  data::CallLogFile log{notices};
  if (!log.OpenMonthNumber(month, year, false)) return calls;
  for (long i = 0; i < log.Count(); ++i) {
    data::CallLogRecord call{};
    if (log.ReadRecord(i, call)) calls.push_back(call);
  }
  return calls;
}

std::string CallScreenWorld::LogBytes(int month, int year) const {
  return db.ReadFile(data::CallLogName(data::MonthName(month), std::to_string(year)));
}

data::CallLogRecord CallScreenWorld::NewCall(std::time_t start, std::uint32_t duration) {
  data::CallLogRecord call{};
  data::ClearCallRecord(call, true);
  rating::FillNewCall(call, entry, {.duration = duration, .charge = 30.0,
                                    .start = static_cast<std::uint32_t>(start), .charging = {}});
  return call;
}

data::CallLogRecord CallScreenWorld::LogCall(std::time_t start, std::uint32_t duration,
                                             const std::string& memo) {
  data::CallLogRecord call = NewCall(start, duration);
  rating::SaveReport report = rating::SaveNewCall(Stores(), entry, place, call, memo);
  if (!report.saved) throw std::runtime_error("the call was not logged");
  return call;
}

std::string CallScreenWorld::MemoOf(std::uint32_t number, std::uint32_t key) {
  std::string text;
  bool found = pdb.OpenMemoFiles(number) && pdb.ReadMemoByKey(key, text);
  pdb.CloseMemoFiles();
  return found ? text : "<none>";
}

}  // namespace dorv::test
