#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/Charges.h"
#include "reports/BillReading.h"
#include "reports/BillingRules.h"
#include "reports/CallRow.h"
#include "reports/LogMonths.h"

namespace dorv::reports {

// The reports as CSV for spreadsheets (RFC 4180): UTF-8, a header row, lines ending CR LF,
// times as ISO 8601 local time, lengths in whole seconds, amounts as decimal dollars with four
// decimals. The dialogs' exports and the command-line reports write the same bytes.

// A record text, one Latin-1 byte a character, as UTF-8.
std::string Utf8FromLatin1(const std::string& latin1);
// One CSV line of UTF-8 fields; a field holding a comma, quote or line break is quoted.
std::string CsvLine(const std::vector<std::string>& fields);
// Cents as dollars with four decimals: 129.6 -> "1.2960".
std::string CsvAmount(double cents);
// A stored time as local "1999-01-01T13:05:00".
std::string IsoLocalTime(std::uint32_t time);

// The calls of the call log or the contact log: start, name, direction, number, length,
// surcharges, cost, sample_rates (1 when rated with the sample rates).
std::string CallsCsv(const std::vector<CallRow>& calls);

struct BillRow {
  BillingClass billingClass;
  CallRow call;
};
// The bill's calls as rows, in the bill's order.
std::vector<BillRow> BillRowsOf(const Bill& bill, const data::MyInfo& myInfo);
// The bill: one row for each recurring charge in use (no class, its name and amount as the
// cost), then the calls with their class (1-4). The cost and surcharges columns add up to the
// bill's total.
std::string BillCsv(const std::vector<data::RecurringCharge>& charges,
                    const std::vector<BillRow>& calls);

// "1998-12".
std::string MonthKey(const data::LogMonth& month);
// The months that have a log: month (YYYY-MM), calls, total of costs and surcharges.
std::string MonthsCsv(const std::vector<MonthSummary>& months);

}  // namespace dorv::reports
