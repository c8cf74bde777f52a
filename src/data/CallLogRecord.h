#pragma once
#include <cstddef>
#include <cstdint>

#include "Charges.h"
#include "PdbRecord.h"

namespace dorv::data {

// One logged call, byte for byte as stored in a month's LOG/<Month><Year>.LOG file.
// A self-contained copy of the entry's number, location and rate data at the time of the call.
struct CallLogRecord {
  char name[32];
  char dialPrefix[8];
  char areaCode[8];
  char prefix[8];
  char suffix[12];
  char extension[8];
  char countryCode[8];
  char intlAccessCode[8];
  char country[32];
  char state[32];
  char bandTitle[3][32];
  char city[32];
  char postalCode[16];
  std::uint32_t duration;  // seconds
  // time_t of the start, read as unsigned so that calls after January 2038 keep their date;
  // also the key of the call's memo.
  std::uint32_t start;
  std::uint8_t padding1[4];
  double cost;       // cents
  double surcharge;  // the entry's own per-call surcharge, cents
  std::uint8_t outgoing;
  char locationMark;
  std::uint8_t padding2[2];
  std::uint32_t memoFileNumber;
  Surcharge surcharges[10];
  BandRates rates[3];
  std::uint16_t bandHours[18];
  std::int32_t timeZone;
  std::uint32_t initialInterval;
  std::uint32_t additionalInterval;
  std::uint8_t ratesChanged;
  std::uint8_t padding3[7];
};

static_assert(sizeof(CallLogRecord) == 920);
static_assert(offsetof(CallLogRecord, name) == 0);
static_assert(offsetof(CallLogRecord, dialPrefix) == 32);
static_assert(offsetof(CallLogRecord, areaCode) == 40);
static_assert(offsetof(CallLogRecord, prefix) == 48);
static_assert(offsetof(CallLogRecord, suffix) == 56);
static_assert(offsetof(CallLogRecord, extension) == 68);
static_assert(offsetof(CallLogRecord, countryCode) == 76);
static_assert(offsetof(CallLogRecord, intlAccessCode) == 84);
static_assert(offsetof(CallLogRecord, country) == 92);
static_assert(offsetof(CallLogRecord, state) == 124);
static_assert(offsetof(CallLogRecord, bandTitle) == 156);
static_assert(offsetof(CallLogRecord, city) == 252);
static_assert(offsetof(CallLogRecord, postalCode) == 284);
static_assert(offsetof(CallLogRecord, duration) == 300);
static_assert(offsetof(CallLogRecord, start) == 304);
static_assert(offsetof(CallLogRecord, padding1) == 308);
static_assert(offsetof(CallLogRecord, cost) == 312);
static_assert(offsetof(CallLogRecord, surcharge) == 320);
static_assert(offsetof(CallLogRecord, outgoing) == 328);
static_assert(offsetof(CallLogRecord, locationMark) == 329);
static_assert(offsetof(CallLogRecord, memoFileNumber) == 332);
static_assert(offsetof(CallLogRecord, surcharges) == 336);
static_assert(offsetof(CallLogRecord, rates) == 816);
static_assert(offsetof(CallLogRecord, bandHours) == 864);
static_assert(offsetof(CallLogRecord, timeZone) == 900);
static_assert(offsetof(CallLogRecord, initialInterval) == 904);
static_assert(offsetof(CallLogRecord, additionalInterval) == 908);
static_assert(offsetof(CallLogRecord, ratesChanged) == 912);

// An unused surcharge slot: empty description, cost 0, kind 1 (per call), minutes 0.
void ClearSurcharge(Surcharge& slot);

// Every field becomes 0 except outgoing = 1; the padding behind start is left alone.
// The surcharge slots are reset to unused only when withSurcharges is set.
void ClearCallRecord(CallLogRecord& record, bool withSurcharges);

}  // namespace dorv::data
