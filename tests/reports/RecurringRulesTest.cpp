#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "reports/RecurringRules.h"

using namespace dorv;
using namespace dorv::reports;

TEST(RecurringRules, TheThruDayFollowsTheFromDay) {
  struct Row { const char* typed; std::optional<int> from; const char* thruShown; };
  const Row rows[] = {
      {"15", 15, "14"},  {"2", 2, "1"},     {"28", 28, "27"},  {" 7 ", 7, "6"}, {"1", 1, "END"},
      {"29", 29, "END"}, {"30", 30, "END"}, {"31", 31, "END"}, {"0", {}, ""},   {"32", {}, ""},
      {"-3", {}, ""},    {"", {}, ""},      {"abc", {}, ""},   {"1x", {}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    EXPECT_EQ(ParseFromDay(row.typed), row.from);
    const auto thru = ThruDayOf(row.from.value_or(0));
    EXPECT_EQ(thru ? ThruDayText(*thru) : "", row.thruShown);
    // Saving reads the shown thru day back: "END" is 0.
    EXPECT_EQ(ParseThruDay(row.thruShown), thru.value_or(0));
  }
  EXPECT_EQ(ParseThruDay("end"), 0);
}

TEST(RecurringRules, CostsAreTypedInDollarsAndKeptInCents) {
  struct Row { const char* typed; double cents; const char *listed, *edited; };
  const Row rows[] = {
      {"12.5", 1250.0, "$12.5000", "12.50"},
      {" 0 ", 0.0, "$0.0000", "0.00"},
      {".75", 75.0, "$0.7500", "0.75"},
      {"10000", 1000000.0, "$10000.0000", "10000.00"},
      {"-0", 0.0, "$0.0000", "0.00"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    const auto cents = ParseCostCents(row.typed);
    ASSERT_EQ(cents, row.cents);
    EXPECT_FALSE(std::signbit(*cents));
    EXPECT_EQ(data::MoneyText(*cents, true), row.listed);
    EXPECT_EQ(CostFieldText(*cents), row.edited);
  }
  for (const char* typed : {"10000.01", "-1", "abc", "", "12,50", "1e3", "inf", "nan"})
    EXPECT_EQ(ParseCostCents(typed), std::nullopt) << typed;
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
    const auto* fault = std::get_if<RecurringFault>(&parsed);
    EXPECT_EQ(fault ? std::optional(*fault) : std::nullopt, row.fault);
    if (!fault) {
      EXPECT_EQ(data::ReadField(std::get<data::RecurringCharge>(parsed).name), row.name);
    }
  }
}

TEST(RecurringRules, EntriesStayPackedAtTheFront) {
  RecurringList entries{};
  for (int i = 0; i < kRecurringSlots; ++i) {
    std::string name = "C";  // appended, not prefixed: GCC 12 misreads a prefixed copy
    data::WriteField(entries[i].name, name += std::to_string(i));
  }
  const data::RecurringCharge spare = entries[0];
  EXPECT_EQ(StoreEntry(entries, -1, spare), RecurringFault::ListFull);  // no place for a 21st
  DeleteEntry(entries, kRecurringSlots - 1);
  EXPECT_EQ(StoreEntry(entries, -1, spare), std::nullopt);  // into the freed last place
  EXPECT_EQ(data::ReadField(entries[kRecurringSlots - 1].name), "C0");

  RecurringList three{};
  for (int i = 0; i < 3; ++i) data::WriteField(three[i].name, std::string(1, 'A' + i));
  three[1].amount = 350.0;
  DeleteEntry(three, 0);
  EXPECT_EQ(data::ReadField(three[0].name), "B");
  EXPECT_EQ(three[0].amount, 350.0);
  EXPECT_EQ(data::ReadField(three[1].name), "C");
  EXPECT_FALSE(EntryInUse(three[2]));
}
