#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "reports/RecurringRules.h"

using namespace dorv;
using namespace dorv::reports;

namespace {
data::RecurringCharge Charge(const std::string& name, double cents) {
  data::RecurringCharge charge{};
  data::WriteField(charge.name, name);
  charge.amount = cents;
  return charge;
}
}  // namespace

TEST(RecurringRules, TheThruDayFollowsTheFromDay) {
  struct Row { const char* typed; std::optional<int> from; const char* thruShown; };
  const Row rows[] = {
      {"15", 15, "14"},  {"2", 2, "1"},      {"28", 28, "27"},  {" 7 ", 7, "6"},
      {"1", 1, "END"},   {"29", 29, "END"},  {"30", 30, "END"}, {"31", 31, "END"},
      {"0", {}, ""},     {"32", {}, ""},     {"-3", {}, ""},    {"", {}, ""},
      {"abc", {}, ""},   {"1x", {}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    const auto from = ParseFromDay(row.typed);
    EXPECT_EQ(from, row.from);
    const auto thru = ThruDayOf(from.value_or(0));
    EXPECT_EQ(thru ? ThruDayText(*thru) : "", row.thruShown);
    if (thru) {
      EXPECT_EQ(ParseThruDay(ThruDayText(*thru)), *thru);
    }
  }
  EXPECT_EQ(ParseThruDay("end"), 0);  // saved as the end of the month in any case
}

TEST(RecurringRules, CostsAreTypedInDollarsAndKeptInCents) {
  struct Row { const char* typed; std::optional<double> cents; const char* listed; const char* edited; };
  const Row rows[] = {
      {"12.5", 1250.0, "$12.5000", "12.50"},   {" 0 ", 0.0, "$0.0000", "0.00"},
      {".75", 75.0, "$0.7500", "0.75"},        {"10000", 1000000.0, "$10000.0000", "10000.00"},
      {"-0", 0.0, "$0.0000", "0.00"},
      {"10000.01", {}, "", ""}, {"-1", {}, "", ""}, {"abc", {}, "", ""}, {"", {}, "", ""},
      {"12,50", {}, "", ""},    {"1e3", {}, "", ""}, {"inf", {}, "", ""}, {"nan", {}, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    const auto cents = ParseCostCents(row.typed);
    ASSERT_EQ(cents, row.cents);
    if (!cents) continue;
    EXPECT_FALSE(std::signbit(*cents));
    EXPECT_EQ(data::MoneyText(*cents, true), row.listed);
    EXPECT_EQ(CostFieldText(*cents), row.edited);
  }
}

TEST(RecurringRules, AnEntryNeedsANameThatFitsAndACost) {
  struct Row { std::string name; const char* cost; std::optional<RecurringFault> fault; };
  const Row rows[] = {
      {"Taxes", "10", {}},
      {std::string(63, 'n'), "1", {}},
      {std::string(64, 'n'), "1", RecurringFault::NameTooLong},
      {"", "1", RecurringFault::NameEmpty},
      {"   ", "1", RecurringFault::NameEmpty},
      {"Taxes", "ten", RecurringFault::CostInvalid},
      {"Taxes", "20000", RecurringFault::CostInvalid},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name + "/" + row.cost);
    const auto parsed = ParseRecurringFields(row.name, row.cost);
    if (row.fault) {
      ASSERT_TRUE(std::holds_alternative<RecurringFault>(parsed));
      EXPECT_EQ(std::get<RecurringFault>(parsed), *row.fault);
    } else {
      ASSERT_TRUE(std::holds_alternative<data::RecurringCharge>(parsed));
      EXPECT_EQ(data::ReadField(std::get<data::RecurringCharge>(parsed).name), row.name);
    }
  }
}

TEST(RecurringRules, EntriesStayPackedAtTheFront) {
  RecurringList entries{};
  entries[0] = Charge("Line", 1500);
  entries[1] = Charge("Access", 350);
  entries[2] = Charge("Taxes", 1000);
  EXPECT_EQ(SumOf(entries), 2850.0);
  DeleteEntry(entries, 0);
  EXPECT_EQ(data::ReadField(entries[0].name), "Access");
  EXPECT_EQ(data::ReadField(entries[1].name), "Taxes");
  EXPECT_FALSE(EntryInUse(entries[2]));
  EXPECT_EQ(CountInUse(entries), 2);

  EXPECT_EQ(StoreEntry(entries, -1, Charge("Added", 5)), std::nullopt);
  EXPECT_EQ(data::ReadField(entries[2].name), "Added");

  RecurringList full{};
  for (int i = 0; i < kRecurringSlots; ++i) full[i] = Charge("C" + std::to_string(i), i);
  const RecurringList before = full;
  EXPECT_EQ(StoreEntry(full, -1, Charge("21st", 1)), RecurringFault::ListFull);
  EXPECT_EQ(std::memcmp(full.data(), before.data(), sizeof full), 0);
  DeleteEntry(full, kRecurringSlots - 1);
  EXPECT_FALSE(EntryInUse(full[kRecurringSlots - 1]));
  EXPECT_EQ(full[kRecurringSlots - 1].amount, 0.0);
}
