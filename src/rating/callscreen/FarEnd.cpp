#include "rating/callscreen/FarEnd.h"

#include "data/FarEndOffset.h"
#include "data/FixedText.h"
#include "data/PdbText.h"

namespace dorv::rating {
namespace {

template <class Record>
FarEnd FarEndFrom(const Record& record, const data::MyInfo& me) {
  FarEnd farEnd;
  farEnd.name = data::ReadField(record.name);
  farEnd.number = data::DialText(data::NumberPartsOf(record), data::ReadField(me.country),
                                 data::ReadField(me.intlAccessCode), false);
  farEnd.place = data::LocationText(data::LocationPartsOf(record));
  farEnd.hasCity = !data::ReadField(record.city).empty();
  farEnd.offsetHours = data::FarEndOffsetHours(record.timeZone, data::ReadField(record.country));
  farEnd.bands = BandRowsOf(record, me.clock12 == 1);
  farEnd.entrySurcharge = record.surcharge;
  farEnd.sampleRates = record.ratesChanged == 0;
  return farEnd;
}

}  // namespace

FarEnd FarEndOf(const data::PdbRecord& entry, const data::MyInfo& me) {
  return FarEndFrom(entry, me);
}

FarEnd FarEndOf(const data::CallLogRecord& call, const data::MyInfo& me) {
  return FarEndFrom(call, me);
}

std::optional<CallDate> FarEndDate(const FarEnd& farEnd, std::time_t when) {
  if (!farEnd.hasCity) return std::nullopt;
  const std::time_t there = when + static_cast<std::time_t>(farEnd.offsetHours) * 3600;
  std::tm parts{};
  if (gmtime_r(&there, &parts) == nullptr) return std::nullopt;
  return CallDate{parts.tm_mon + 1, parts.tm_mday, parts.tm_year + 1900, parts.tm_hour,
                  parts.tm_min};
}

}  // namespace dorv::rating
