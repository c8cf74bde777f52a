// dorv-report: the call log, contact log, monthly bill and list of months as text or CSV, for
// scripts. It reads the data directory and changes nothing in it.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/ReportOptions.h"
#include "cli/ReportRun.h"
#include "data/TextPattern.h"
#include "res/Strings.h"

int main(int argc, char** argv) {
  using namespace dorv;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const cli::ParsedOptions parsed = cli::ParseReportOptions(arguments);
  if (!parsed.options) {
    std::fprintf(stderr, "dorv-report: %s\n%s", parsed.error.c_str(), res::kReportUsage);
    return 2;
  }
  const cli::ReportOptions& options = *parsed.options;
  if (::chdir(options.dataDir.c_str()) != 0) {
    std::fprintf(stderr, "%s\n",
                 data::FillPattern(res::kReportErrorDataDir, {options.dataDir}).c_str());
    return 1;
  }
  struct stat database {};
  if (::stat("DATABASE", &database) != 0 || !S_ISDIR(database.st_mode)) {
    std::fprintf(stderr, "%s\n",
                 data::FillPattern(res::kReportErrorNoDatabase, {options.dataDir}).c_str());
    return 1;
  }
  const cli::ReportResult result = cli::RunReport(options);
  if (result.status != 0) {
    std::fprintf(stderr, "%s\n", result.error.c_str());
    return result.status;
  }
  if (std::fwrite(result.output.data(), 1, result.output.size(), stdout) != result.output.size() ||
      std::fflush(stdout) != 0)
    return 1;
  return 0;
}
