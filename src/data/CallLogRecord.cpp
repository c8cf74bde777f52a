#include "CallLogRecord.h"

#include <cstring>

namespace dorv::data {

void ClearSurcharge(Surcharge& slot) {
  std::memset(&slot, 0, sizeof slot);
  slot.kind = 1;
}

void ClearCallRecord(CallLogRecord& record, bool withSurcharges) {
  // Everything up to the padding behind start, then everything after it except the slots.
  std::memset(&record, 0, offsetof(CallLogRecord, padding1));
  std::memset(&record.cost, 0, offsetof(CallLogRecord, surcharges) - offsetof(CallLogRecord, cost));
  std::memset(&record.rates, 0, sizeof(CallLogRecord) - offsetof(CallLogRecord, rates));
  record.outgoing = 1;
  if (withSurcharges)
    for (Surcharge& slot : record.surcharges) ClearSurcharge(slot);
}

}  // namespace dorv::data
