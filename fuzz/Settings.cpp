// The settings file holding the fuzz input, read and shown as the settings dialogs and the
// location and time texts show it.
#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/MoneyText.h"
#include "data/MyInfo.h"
#include "data/PdbText.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const std::time_t now = input.Value<std::int32_t>();
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile("MYINFO.BIN", input.Rest());

  MyInfoFile file;
  if (!file.Open()) return 0;
  MyInfo info{};
  file.Read(info);
  const bool twelveHour = info.clock12 == 1;
  MyLocationText(info);
  MyPhoneText(info);
  LocalTimeText(now, info.timeZone, ReadField(info.country), twelveHour);
  for (const Surcharge& slot : info.surcharges) MoneyText(slot.cost, true);
  for (const RecurringCharge& charge : info.recurringDefaults) MoneyText(charge.amount, true);
  return 0;
}
