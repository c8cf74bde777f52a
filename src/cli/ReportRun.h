#pragma once
#include <string>

#include "cli/ReportOptions.h"

namespace dorv::cli {

struct ReportResult {
  int status = 0;      // 0 done, 1 the data could not be read
  std::string output;  // UTF-8, for standard output
  std::string error;   // the message for standard error when the status is not 0
};

// Runs the report on the data directory below the current directory. Every file is opened
// for reading only and nothing is created.
ReportResult RunReport(const ReportOptions& options);

}  // namespace dorv::cli
