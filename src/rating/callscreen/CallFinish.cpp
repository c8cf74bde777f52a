#include "rating/callscreen/CallFinish.h"

#include <cstring>

namespace dorv::rating {

FinishQuestion QuestionOnFinishing(CallScreenMode mode, bool outgoing, bool noAnswer, bool busy) {
  if (!outgoing) return FinishQuestion::RateIncoming;
  if (mode == CallScreenMode::Timing && (noAnswer || busy))
    return FinishQuestion::ChargeBusyOrNoAnswer;
  return FinishQuestion::None;
}

std::optional<Charging> ChargingFor(FinishQuestion question, Answer answer) {
  if (question == FinishQuestion::None) return Charging{};
  if (answer == Answer::Cancel) return std::nullopt;
  if (answer == Answer::Yes) return Charging{};
  if (question == FinishQuestion::RateIncoming) return Charging{false, true};
  return Charging{false, false};
}

void FillNewCall(data::CallLogRecord& record, const data::PdbRecord& entry,
                 const FinishedCall& call) {
  data::ClearCallRecord(record, false);
  record.duration = call.duration;
  record.cost = call.charging.rate ? call.charge : 0.0;
  static_assert(sizeof record.name == sizeof entry.name);
  std::memcpy(record.name, entry.name, sizeof record.name);
  std::memcpy(record.dialPrefix, entry.dialPrefix, sizeof record.dialPrefix);
  std::memcpy(record.intlAccessCode, entry.intlAccessCode, sizeof record.intlAccessCode);
  std::memcpy(record.areaCode, entry.areaCode, sizeof record.areaCode);
  std::memcpy(record.prefix, entry.prefix, sizeof record.prefix);
  std::memcpy(record.suffix, entry.suffix, sizeof record.suffix);
  std::memcpy(record.extension, entry.extension, sizeof record.extension);
  std::memcpy(record.countryCode, entry.countryCode, sizeof record.countryCode);
  std::memcpy(record.city, entry.city, sizeof record.city);
  std::memcpy(record.state, entry.state, sizeof record.state);
  std::memcpy(record.postalCode, entry.postalCode, sizeof record.postalCode);
  std::memcpy(record.country, entry.country, sizeof record.country);
  std::memcpy(record.bandTitle, entry.bandTitle, sizeof record.bandTitle);
  std::memcpy(record.rates, entry.rates, sizeof record.rates);
  std::memcpy(record.bandHours, entry.bandHours, sizeof record.bandHours);
  record.initialInterval = entry.initialInterval;
  record.additionalInterval = entry.additionalInterval;
  record.timeZone = entry.timeZone;
  record.ratesChanged = entry.ratesChanged;
  record.locationMark = entry.locationMark[0];
  record.outgoing = call.outgoing ? 1 : 0;
  record.start = call.start;
  record.surcharge = entry.surcharge;
  if (!call.charging.surcharges) {
    record.surcharge = 0.0;
    for (data::Surcharge& slot : record.surcharges) slot = data::Surcharge{};
  }
}

void FillReopenedCall(data::CallLogRecord& record, const FinishedCall& call) {
  record.duration = call.duration;
  record.cost = call.charging.rate ? call.charge : 0.0;
  record.outgoing = call.outgoing ? 1 : 0;
  record.start = call.start;
}

}  // namespace dorv::rating
