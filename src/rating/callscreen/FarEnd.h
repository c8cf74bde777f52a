#pragma once
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "data/CallLogRecord.h"
#include "data/MyInfo.h"
#include "data/PdbRecord.h"
#include "rating/callscreen/BandRows.h"
#include "rating/callscreen/CallFields.h"

namespace dorv::rating {

// Whom a call goes to and on what terms, as the call screen shows it: taken once from the
// book entry of a new call, or from the copy of it that a logged call carries.
struct FarEnd {
  std::string name;
  std::string number;  // as dialled from the user's country
  std::string place;
  bool hasCity = false;
  std::int64_t offsetHours = 0;  // added to Greenwich time for the local time there
  std::vector<BandRow> bands;
  double entrySurcharge = 0.0;  // cents on every call
  bool sampleRates = false;     // the rates are the samples shipped with the program
};

FarEnd FarEndOf(const data::PdbRecord& entry, const data::MyInfo& me);
FarEnd FarEndOf(const data::CallLogRecord& call, const data::MyInfo& me);

// The local date and time at the far end at a moment; nothing when it has no city.
std::optional<CallDate> FarEndDate(const FarEnd& farEnd, std::time_t when);

}  // namespace dorv::rating
