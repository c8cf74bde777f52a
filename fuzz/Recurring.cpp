// A month's recurring charge file holding the fuzz input, read and its amounts shown.
#include <unistd.h>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/FixedText.h"
#include "data/RecurringFile.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile("LOG/December1998.RCH", input.Rest());

  const int handle = OpenRecurringFile("December", "1998");
  if (handle < 0) return 0;
  RecurringFile contents{};
  if (ReadRecurring(handle, contents)) {
    for (const RecurringCharge& charge : contents.charges) {
      ReadField(charge.name);
      MoneyText(charge.amount, true);
      SplitMoney(charge.amount);
    }
  }
  ::close(handle);
  return 0;
}
