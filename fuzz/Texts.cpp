// The text and money formatters fed values as wide as the record fields they show: 32-bit
// times, zones and lengths, any double amount, fixed-width texts of any bytes.
#include "FuzzInput.h"
#include "data/HourDefinitions.h"
#include "data/MoneyText.h"
#include "data/MyInfo.h"
#include "data/PdbText.h"

using namespace dorv::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const bool flag = input.Flag();

  const auto cents = input.Value<double>();
  SplitMoney(cents);
  MoneyText(cents, flag);
  JoinMoney({input.Text(), input.Text(), input.Text()});

  const auto duration = input.Value<std::uint32_t>();
  LengthText(duration);
  LengthText(static_cast<std::int32_t>(duration));
  const auto when = input.Value<std::int32_t>();
  DateTimeText(when, flag);
  DateTimeText(static_cast<std::uint32_t>(when), flag);
  DateText(when);
  MonthName(input.Value<std::int32_t>());
  const auto timeZone = input.Value<std::int32_t>();
  LocalTimeText(when, timeZone, input.Text(), flag);
  HourText(input.Value<std::uint16_t>(), flag);
  std::uint16_t hours[6];
  for (std::uint16_t& time : hours) time = input.Value<std::uint16_t>();
  const std::string title = input.Text();
  BandText(title, hours, flag, input.Flag());

  AlphaToDigits(input.Text());
  const std::string first = input.Text();
  EqualsNoCase(first, input.Text());
  NumberParts number{input.Text(), input.Text(), input.Text(), input.Text(),
                     input.Text(), input.Text(), input.Text()};
  const std::string myCountry = input.Text();
  DialText(number, myCountry, input.Text(), flag);
  LocationText({input.Text(), input.Text(), input.Text(), input.Text()});

  const auto info = input.Value<MyInfo>();
  MyLocationText(info);
  MyPhoneText(info);
  return 0;
}
