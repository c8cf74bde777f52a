#include "rating/Surcharges.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "data/CallLogRecord.h"

namespace dorv::rating {
namespace {

data::Surcharge Slot(double cost, std::int32_t kind, std::int32_t minutes) {
  data::Surcharge slot;
  data::ClearSurcharge(slot);
  slot.description[0] = 'X';
  slot.cost = cost;
  slot.kind = kind;
  slot.minutes = minutes;
  return slot;
}

TEST(Surcharges, PerCallCostAndWholeStepsOfAPerTimeCost) {
  struct Row {
    const char* name;
    std::vector<data::Surcharge> used;
    std::uint32_t seconds;
    double base, total;
  } rows[] = {
      {"quarter hours and a call", {Slot(100.0, 2, 15), Slot(50.0, 1, 0)}, 0, 12.5, 62.5},
      {"quarter hours and a call", {Slot(100.0, 2, 15), Slot(50.0, 1, 0)}, 899, 12.5, 62.5},
      {"quarter hours and a call", {Slot(100.0, 2, 15), Slot(50.0, 1, 0)}, 900, 12.5, 87.5},
      {"quarter hours and a call", {Slot(100.0, 2, 15), Slot(50.0, 1, 0)}, 1799, 12.5, 87.5},
      {"quarter hours and a call", {Slot(100.0, 2, 15), Slot(50.0, 1, 0)}, 1800, 12.5, 112.5},
      // 60 div 7 = 8 steps an hour: 10 cents a step.
      {"7 minutes, before the first step", {Slot(80.0, 2, 7)}, 419, 0.0, 0.0},
      {"7 minutes, first step", {Slot(80.0, 2, 7)}, 420, 0.0, 10.0},
      {"7 minutes, before the second step", {Slot(80.0, 2, 7)}, 839, 0.0, 10.0},
      {"7 minutes, second step", {Slot(80.0, 2, 7)}, 840, 0.0, 20.0},
      {"hours", {Slot(80.0, 2, 60)}, 7200, 0.0, 160.0},
      {"no period", {Slot(100.0, 2, 0)}, 100000, 5.0, 5.0},
      {"period over an hour", {Slot(100.0, 2, 61)}, 100000, 5.0, 5.0},
      {"negative period", {Slot(100.0, 2, -15)}, 100000, 5.0, 5.0},
      {"huge period", {Slot(100.0, 2, 1 << 30)}, 100000, 5.0, 5.0},
      {"unknown kinds", {Slot(100.0, 0, 0), Slot(100.0, 3, 15)}, 3600, 0.0, 0.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(row.seconds));
    std::array<data::Surcharge, 10> slots;
    for (data::Surcharge& slot : slots) data::ClearSurcharge(slot);
    for (std::size_t i = 0; i < row.used.size(); ++i) slots[3 + 4 * i] = row.used[i];
    EXPECT_EQ(SumSurcharges(row.seconds, row.base, slots), row.total);
  }
}

}  // namespace
}  // namespace dorv::rating
