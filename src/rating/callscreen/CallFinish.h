#pragma once
#include <cstdint>
#include <optional>

#include "data/CallLogRecord.h"
#include "data/PdbRecord.h"
#include "rating/CallScreenMode.h"

namespace dorv::rating {

// The main button: Ready "Start Timing", Timing "Stop Timing", Stopped "Save Call".
enum class CallScreenState : int { Timing = 1, Stopped = 2, Ready = 3 };

// The question asked before a call is saved, if any.
enum class FinishQuestion { None, RateIncoming, ChargeBusyOrNoAnswer };
enum class Answer { Yes, No, Cancel };

FinishQuestion QuestionOnFinishing(CallScreenMode mode, bool outgoing, bool noAnswer, bool busy);

// What of the call is charged.
struct Charging {
  bool rate = true;
  bool surcharges = true;
};

// The charging an answer gives; nothing when the answer cancels the saving.
std::optional<Charging> ChargingFor(FinishQuestion question, Answer answer);

// The call as the screen ends it.
struct FinishedCall {
  std::uint32_t duration = 0;
  double charge = 0.0;  // the running rate charge
  bool outgoing = true;
  std::uint32_t start = 0;
  Charging charging;
};

// A new call: the record is cleared except its surcharge slots and filled from the entry and
// the call. Without surcharges the entry surcharge is 0 and every slot is emptied.
void FillNewCall(data::CallLogRecord& record, const data::PdbRecord& entry,
                 const FinishedCall& call);

// A reopened call keeps everything but its length, cost, direction and start.
void FillReopenedCall(data::CallLogRecord& record, const FinishedCall& call);

}  // namespace dorv::rating
