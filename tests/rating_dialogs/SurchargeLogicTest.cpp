#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "rating/dialogs/PickerRows.h"
#include "rating/dialogs/SurchargeFields.h"
#include "rating/dialogs/SurchargeRow.h"
#include "rating/dialogs/SurchargeSlots.h"
#include "support/Builders.h"
#include "res/Strings.h"

using namespace dorv;
using namespace dorv::rating;
using dorv::test::MakeSurcharge;
using dorv::test::RecordBytes;

namespace {
// Slots holding the given surcharges first, the rest unused.
template <std::size_t N>
std::array<data::Surcharge, N> SlotsOf(std::initializer_list<data::Surcharge> used) {
  std::array<data::Surcharge, N> made{};
  for (auto& slot : made) data::ClearSurcharge(slot);
  std::size_t i = 0;
  for (const auto& surcharge : used) made[i++] = surcharge;
  return made;
}
const auto ListOf = SlotsOf<kListSlots>;
const auto CallOf = SlotsOf<kCallSlots>;

// Each row's description, cost and slot.
using Rows = std::vector<std::tuple<std::string, double, int>>;
Rows RowsOf(const std::vector<PickerEntry>& entries) {
  Rows rows;
  for (const auto& [surcharge, slot] : entries)
    rows.emplace_back(data::ReadField(surcharge.description), surcharge.cost, slot);
  return rows;
}
}  // namespace

// Deleting the first of three is driven through the surcharge list; here the full list's end.
TEST(SurchargeSlots, DeletingTheLastOfAFullListFreesItsSlot) {
  SurchargeList full{};
  for (int i = 0; i < kListSlots; ++i) full[i] = MakeSurcharge('S' + std::to_string(i), i);
  DeleteSlot(full, kListSlots - 1);
  EXPECT_EQ(CountInUse(full), kListSlots - 1);
  EXPECT_EQ(RecordBytes(full[kListSlots - 1]), RecordBytes(ListOf({})[0])) << "unused";
  EXPECT_EQ(FirstFreeSlot(full), kListSlots - 1);
  full[kListSlots - 1] = MakeSurcharge("again", 1);
  EXPECT_EQ(FirstFreeSlot(full), std::nullopt);

  DeleteSlot(full, kListSlots);  // outside: nothing happens
  EXPECT_EQ(CountInUse(full), kListSlots);
}

TEST(PickerRows, PartitionByExactDescriptionWithTheEntryRowFirst) {
  const SurchargeList list = ListOf({MakeSurcharge("Card", 95), MakeSurcharge("Operator", 105),
                                     MakeSurcharge("Labor", 600, 2, 5)});
  const CallSurcharges call = CallOf({MakeSurcharge("Labor", 1), MakeSurcharge("card", 95),
                                      MakeSurcharge("Gone from the list", 50)});
  PickerRows rows = PartitionSurcharges(list, call, 75.0, res::kSurchargeEntryRow);
  EXPECT_EQ(RowsOf(rows.available), (Rows{{"Card", 95.0, 0}, {"Operator", 105.0, 1}}));
  // The carried row is the list's copy, with the list's current cost.
  EXPECT_EQ(RowsOf(rows.carried),
            (Rows{{res::kSurchargeEntryRow, 75.0, kEntrySurchargeSlot}, {"Labor", 600.0, 2}}));
  EXPECT_TRUE(IsEntryRow(rows.carried[0]));
  EXPECT_EQ(rows.carried[0].surcharge.kind, kPerCallKind);
  EXPECT_EQ(CallSlotsTaken(rows.carried), 1);

  rows = PartitionSurcharges(list, call, 0.0, res::kSurchargeEntryRow);
  EXPECT_EQ(RowsOf(rows.carried), (Rows{{"Labor", 600.0, 2}}));
}

TEST(PickerRows, FillingTheCallTakesAtMostTenRows) {
  std::vector<PickerEntry> carried;
  carried.push_back({MakeSurcharge(res::kSurchargeEntryRow, 30), kEntrySurchargeSlot});
  for (int i = 0; i < kCallSlots; ++i)
    carried.push_back({MakeSurcharge('S' + std::to_string(i), 10 + i, 2, 6), i});
  const auto filled = FillCallSlots(carried);
  ASSERT_TRUE(filled);
  for (int i = 0; i < kCallSlots; ++i)
    EXPECT_EQ(std::tuple(data::ReadField((*filled)[i].description), (*filled)[i].cost,
                         (*filled)[i].minutes),
              std::tuple('S' + std::to_string(i), 10.0 + i, 6));
  carried.push_back({MakeSurcharge("eleventh", 1), 10});
  EXPECT_EQ(FillCallSlots(carried), std::nullopt);

  const auto few = FillCallSlots({{MakeSurcharge("only", 5), 3}});
  ASSERT_TRUE(few);
  EXPECT_EQ(RecordBytes(*few), RecordBytes(CallOf({MakeSurcharge("only", 5)})));
}

TEST(SurchargeFields, CostAndPeriodParsing) {
  struct Row {
    const char* name;
    QString text;
    std::optional<double> cents;
  } costs[] = {
      {"fraction", "0.50", 50.0},         {"negative", "-0.95", std::nullopt},
      {"blanks around", " 1.25 ", 125.0}, {"letters", "abc", std::nullopt},
      {"the most", "10000", 1000000.0},   {"over the most", "10000.01", std::nullopt},
      {"comma", "1,25", std::nullopt},    {"trailing text", "1.25$", std::nullopt},
      {"infinite", "inf", std::nullopt},  {"huge", "1e306", std::nullopt},
  };
  for (const Row& row : costs) EXPECT_EQ(ParseCostCents(row.text), row.cents) << row.name;
  struct PeriodRow {
    QString text;
    std::optional<int> minutes;
  } periods[] = {{"1", 1}, {"60", 60}, {" 15 ", 15}, {"0", std::nullopt}, {"61", std::nullopt},
                 {"7.5", std::nullopt}, {"", std::nullopt}};
  for (const PeriodRow& row : periods)
    EXPECT_EQ(ParsePeriodMinutes(row.text), row.minutes) << row.text.toStdString();
  EXPECT_EQ((QStringList{CostFieldText(50.0), CostFieldText(0.0), CostFieldText(123456.0)}),
            (QStringList{"0.50", "0.00", "1234.56"}));
}

TEST(SurchargeFields, FieldsGiveASurchargeOrTheFirstFault) {
  using enum FieldFault;
  using namespace res;
  const QString kLong(32, 'd');
  struct Row {
    const char* name;
    SurchargeFields fields;
    std::optional<FieldFault> fault;
    const char* message;
  } rows[] = {
      {"per call, any period", {"Card", "0.95", false, "999"}, std::nullopt, nullptr},
      {"per time", {"Labor", "6", true, "5"}, std::nullopt, nullptr},
      {"31 characters", {QString(31, 'x'), "1", false, ""}, std::nullopt, nullptr},
      {"period over 60", {"Labor", "6", true, "61"}, PeriodOutOfRange, kErrorSurchargePeriod},
      {"32 long", {kLong, "1", false, ""}, DescriptionTooLong, kErrorSurchargeDescriptionLong},
      {"blank", {"   ", "1", false, ""}, DescriptionEmpty, kErrorSurchargeDescriptionEmpty},
      {"cost before period", {"Card", "x", true, "0"}, CostNotANumber, kErrorSurchargeCost},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto parsed = ParseSurchargeFields(row.fields);
    if (row.fault) {
      ASSERT_TRUE(std::holds_alternative<FieldFault>(parsed));
      EXPECT_EQ(std::get<FieldFault>(parsed), *row.fault);
      EXPECT_EQ(FaultText(*row.fault), row.message);
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<data::Surcharge>(parsed));
    const auto& surcharge = std::get<data::Surcharge>(parsed);
    EXPECT_EQ(DescriptionText(surcharge), row.fields.description);
    EXPECT_EQ(surcharge.kind, row.fields.perTime ? 2 : 1);
    EXPECT_EQ(surcharge.minutes, row.fields.perTime ? row.fields.period.toInt() : 0);
  }
}

TEST(SurchargeRow, ColumnTextsAndOrder) {
  const SurchargeRow nine(MakeSurcharge("nine", 900), 1);
  const SurchargeRow ten(MakeSurcharge("Ten", 1000, 2, 5), 2);
  EXPECT_EQ(ten.Text(1), QString("$10.0000") + res::kSurchargePerHourSuffix);
  EXPECT_EQ(ten.Text(2), res::kSurchargePerHour);
  EXPECT_EQ(ten.Text(3), QString(res::kSurchargeIntervalMinutes).replace("%i", "5"));
  EXPECT_EQ(nine.Text(2), res::kSurchargePerCall);
  EXPECT_EQ(nine.Text(3), "");
  EXPECT_LT(CompareSurchargeRows(nine, ten, 1), 0) << "cost by amount";
  EXPECT_LT(CompareSurchargeRows(nine, ten, 0), 0) << "text without case";
}
