// The contact log over 24 months of 20,000 calls each, 2,000 of them with the entry, from a
// change of the range to the painted list; beside it, reading the same 24 files raw.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <vector>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "reports/CContactLogDlg.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;

namespace {

constexpr int kMonths = 24;
constexpr int kCallsPerMonth = 20000;
constexpr int kContactEvery = kMonths * kCallsPerMonth / 2000;  // every 240th call
constexpr int kFirstYear = 2000;  // January 2000 through December 2001
// 15 December 2001, 12:00 UTC: the dialog opens on December 2001.
constexpr std::time_t kNow = 1008417600;

std::string MonthFile(int m) {
  return data::MonthName(m % 12 + 1) + std::to_string(kFirstYear + m / 12);
}

// The 24 month logs; the contact's calls have the number 555-0100, the others 555-9xxx.
test::CallLogTestFiles& Files() {
  static test::CallLogTestFiles files;
  static const bool written = [] {
    std::vector<data::CallLogRecord> calls(kCallsPerMonth);
    int numbered = 0;
    for (int m = 0; m < kMonths; ++m) {
      for (int i = 0; i < kCallsPerMonth; ++i, ++numbered) {
        test::TestCall call{"Caller " + std::to_string(i % 500),
                            static_cast<std::uint32_t>(946684800 + m * 2592000 + i * 120),
                            static_cast<std::uint32_t>(i % 3600), 100.0 + i, 5.0};
        calls[i] = test::MakeCall(call);
        if (numbered % kContactEvery != 0)
          data::WriteField(calls[i].suffix, std::to_string(9000 + i % 1000));
      }
      files.WriteMonth(MonthFile(m), calls);
    }
    return true;
  }();
  (void)written;
  return files;
}

void BM_ContactLogOver24MonthsOf20000Calls(benchmark::State& state) {
  test::CallLogTestFiles& files = Files();
  data::PdbRecord entry{};
  data::WriteField(entry.prefix, "555");
  data::WriteField(entry.suffix, "0100");
  reports::CContactLogDlg dialog(files.Files(), {}, {entry, 0, "Home - Pat", "212.555.0100"},
                                 nullptr, kNow);
  dialog.show();
  QApplication::processEvents();
  long rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    dialog.FromMonth().setValue(1);
    dialog.FromYear().setValue(kFirstYear + 1);  // 2001 alone
    QApplication::processEvents();
    state.ResumeTiming();
    dialog.FromYear().setValue(kFirstYear);  // January 2000 through December 2001
    QApplication::processEvents();           // the list is painted
    rows = dialog.Calls().Rows().rowCount();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ContactLogOver24MonthsOf20000Calls)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadThe24LogsRaw(benchmark::State& state) {
  test::CallLogTestFiles& files = Files();
  std::vector<char> buffer(1 << 20);
  long long bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (int m = 0; m < kMonths; ++m) {
      int fd = ::open(files.db.Path("LOG/" + MonthFile(m) + ".LOG").c_str(), O_RDONLY);
      for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer.data(), buffer.size())) > 0;)
        bytes += got;
      if (fd >= 0) ::close(fd);
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReadThe24LogsRaw)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
