#include "rating/Surcharges.h"

#include <gtest/gtest.h>

#include <array>

#include "data/CallLogRecord.h"

namespace dorv::rating {
namespace {

std::array<data::Surcharge, 10> FreeSlots() {
  std::array<data::Surcharge, 10> slots;
  for (data::Surcharge& slot : slots) data::ClearSurcharge(slot);
  return slots;
}

data::Surcharge Slot(double cost, std::int32_t kind, std::int32_t minutes) {
  data::Surcharge slot;
  data::ClearSurcharge(slot);
  slot.description[0] = 'X';
  slot.cost = cost;
  slot.kind = kind;
  slot.minutes = minutes;
  return slot;
}

TEST(Surcharges, PerTimeStepsAndPerCallCost) {
  std::array<data::Surcharge, 10> slots = FreeSlots();
  slots[3] = Slot(100.0, 2, 15);  // one dollar an hour in quarter hours
  slots[7] = Slot(50.0, 1, 0);
  struct Row {
    std::uint32_t seconds;
    double total;
  } rows[] = {{0, 62.5}, {899, 62.5}, {900, 87.5}, {1799, 87.5}, {1800, 112.5}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.seconds);
    EXPECT_EQ(SumSurcharges(row.seconds, 12.5, slots), row.total);
  }
}

TEST(Surcharges, StepAmountUsesWholeStepsPerHour) {
  std::array<data::Surcharge, 10> slots = FreeSlots();
  slots[0] = Slot(80.0, 2, 7);  // 60 div 7 = 8 steps an hour: 10 cents a step
  EXPECT_EQ(SumSurcharges(419, 0.0, slots), 0.0);
  EXPECT_EQ(SumSurcharges(420, 0.0, slots), 10.0);
  EXPECT_EQ(SumSurcharges(839, 0.0, slots), 10.0);
  EXPECT_EQ(SumSurcharges(840, 0.0, slots), 20.0);
  slots[0].minutes = 60;
  EXPECT_EQ(SumSurcharges(7200, 0.0, slots), 160.0);
}

TEST(Surcharges, PeriodWithoutStepAmountAndUnknownKindsAddNothing) {
  for (std::int32_t minutes : {0, 61, -15, 1 << 30}) {
    SCOPED_TRACE(minutes);
    std::array<data::Surcharge, 10> slots = FreeSlots();
    slots[0] = Slot(100.0, 2, minutes);
    EXPECT_EQ(SumSurcharges(100000, 5.0, slots), 5.0);
  }
  std::array<data::Surcharge, 10> slots = FreeSlots();
  slots[1] = Slot(100.0, 0, 0);
  slots[2] = Slot(100.0, 3, 15);
  EXPECT_EQ(SumSurcharges(3600, 0.0, slots), 0.0);
}

}  // namespace
}  // namespace dorv::rating
