// Opening the call log on a month of 20,000 calls.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "reports/CCallLogDlg.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;

namespace {

constexpr int kCalls = 20000;

void BM_OpenCallLogOf20000Calls(benchmark::State& state) {
  test::CallLogTestFiles files;
  std::vector<data::CallLogRecord> calls;
  calls.reserve(kCalls);
  for (int i = 0; i < kCalls; ++i) {
    // Written newest first, so that opening has to sort them all.
    test::TestCall call{"Caller " + std::to_string(i % 500),
                        static_cast<std::uint32_t>(test::kJan1st1999 + 30 * 86400 - i * 120),
                        static_cast<std::uint32_t>(i % 3600),
                        100.0 + i, 5.0};
    call.sampleRates = i % 7 == 0;
    call.memoFileNumber = 1;
    data::CallLogRecord record = test::MakeCall(call);
    record.surcharges[0] = {"Labor", 600.0, 2, 5};
    calls.push_back(record);
  }
  files.WriteMonth("January1999", calls);
  long rows = 0;
  for (auto _ : state) {
    reports::CCallLogDlg dialog(files.Files(), {}, nullptr, test::kJan1st1999);
    dialog.show();
    QApplication::processEvents();  // the first rows are painted
    rows = dialog.Rows().rowCount();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_OpenCallLogOf20000Calls)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
