#pragma once
#include <cstddef>
#include <cstdint>

namespace dorv::data {

// One extra charge of a call or of the user's surcharge list.
struct Surcharge {
  char description[32];
  double cost;          // cents
  std::int32_t kind;    // 1 per call, 2 per time duration
  std::int32_t minutes; // duration unit of a per-time charge
};
static_assert(sizeof(Surcharge) == 48);
static_assert(offsetof(Surcharge, cost) == 32);
static_assert(offsetof(Surcharge, kind) == 40);
static_assert(offsetof(Surcharge, minutes) == 44);

// One monthly charge: name and amount in cents.
struct RecurringCharge {
  char name[64];
  double amount;
};
static_assert(sizeof(RecurringCharge) == 72);
static_assert(offsetof(RecurringCharge, amount) == 64);

}  // namespace dorv::data
