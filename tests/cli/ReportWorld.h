#pragma once
#include <string>

#include "support/TempDatabase.h"

namespace dorv::test {

// A data directory for the reports: calls in December 1998 and January 1999 in all four classes
// of the bill (one rated with sample rates, one to a name with accents, one outside each end of
// the cycle from 15 December), December's recurring charges, settings in New York, and a toll
// book whose entry 0 has the number 555-0100.
void WriteReportDatabase(const TempDatabase& db);

// The directory that holds the temporary database's DATABASE/.
std::string DataDirOf(const TempDatabase& db);

struct ReportRun {
  int status;
  std::string out, err;
};
// Runs the built dorv-report with the arguments (a shell word list).
ReportRun RunDorvReport(const std::string& arguments);

}  // namespace dorv::test
