#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/CallLog.h"
#include "data/PdbRecord.h"
#include "reports/BillingRules.h"

namespace dorv::cli {

enum class Command { Months, Log, Contact, Bill };

// What the command line asks for.
struct ReportOptions {
  std::string dataDir = ".";
  bool csv = false;
  Command command = Command::Months;
  data::LogMonth month{};                    // log
  data::PdbKind book = data::PdbKind::Toll;  // contact
  long entry = 0;                            // contact: the record number in the book, from 0
  data::LogMonth from{}, thru{};             // contact
  reports::BillDate billFrom{};              // bill
};

// "1998-12"; nothing for anything else.
std::optional<data::LogMonth> ParseMonth(const std::string& text);
// "1998-12-15", a day the month has, in the years a bill can be made for; nothing otherwise.
std::optional<reports::BillDate> ParseDay(const std::string& text);

// The options of the arguments after the program's name, or the usage error to show.
struct ParsedOptions {
  std::optional<ReportOptions> options;
  std::string error;
};
ParsedOptions ParseReportOptions(const std::vector<std::string>& arguments);

}  // namespace dorv::cli
