// The monthly bill over two months of 20,000 calls each, computed again at every step of the
// From day's spin until its figures are painted, beside the plain reading of the two logs.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "data/FixedText.h"
#include "data/RecurringFile.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;

namespace {

constexpr int kCallsPerMonth = 20000;

// December 1998 and January 1999, each call in its month, with every kind of section, and
// the month's recurring charges with a cycle from the 15th.
struct TwoBusyMonths {
  test::CallLogTestFiles files;
  TwoBusyMonths() {
    data::WriteField(files.myInfo.state, "New York");
    files.myInfo.locationMark = 'A';
    const char* areaCodes[] = {"212", "800", "415", "44"};
    for (auto [name, first] : {std::pair{"December1998", test::kDec1st1998},
                               std::pair{"January1999", test::kJan1st1999}}) {
      std::vector<data::CallLogRecord> calls;
      for (int i = 0; i < kCallsPerMonth; ++i) {
        data::CallLogRecord call = test::MakeCall(
            {"Caller " + std::to_string(i % 500), static_cast<std::uint32_t>(first + i * 130),
             static_cast<std::uint32_t>(i % 3600), 100.0 + i, 5.0});
        data::WriteField(call.areaCode, areaCodes[i % 4]);
        data::WriteField(call.state, i % 3 ? "New York" : "Ohio");
        call.locationMark = 'A';
        if (i % 4 == 3) {
          data::WriteField(call.country, "United Kingdom");
          data::WriteField(call.countryCode, "44");
        }
        call.surcharges[0] = {"Labor", 600.0, 2, 5};
        calls.push_back(call);
      }
      files.WriteMonth(name, calls);
    }
    files.myInfo.billingFromDay = 15;
    int handle = data::CreateRecurringFile("December", "1998", files.myInfo, files.notices);
    if (handle >= 0) ::close(handle);
  }
};

TwoBusyMonths& Months() {
  static TwoBusyMonths months;
  return months;
}

void BM_BillSpinStepOf2x20000Calls(benchmark::State& state) {
  reports::CMonthlyBillingDlg dialog(Months().files.Files(), {12, 20, 1998});
  dialog.show();
  QApplication::processEvents();
  int step = 1;
  for (auto _ : state) {
    // Back and forth between the 15th and the 16th: both cycles span the two months.
    dialog.DaySpin().stepBy(step);
    step = -step;
    dialog.repaint();
  }
  state.counters["calls"] = static_cast<double>(dialog.CurrentBill().calls.size());
}
BENCHMARK(BM_BillSpinStepOf2x20000Calls)->Unit(benchmark::kMillisecond)->Iterations(20);

// The reference: the bytes of the two logs read whole, and nothing done with them.
void BM_ReadTwoLogsRaw(benchmark::State& state) {
  Months();
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const char* name : {"LOG/December1998.LOG", "LOG/January1999.LOG"}) {
      int fd = ::open(Months().files.db.Path(name).c_str(), O_RDONLY);
      off_t size = ::lseek(fd, 0, SEEK_END);
      auto buffer = std::make_unique<char[]>(static_cast<std::size_t>(size));
      ssize_t got = ::pread(fd, buffer.get(), static_cast<std::size_t>(size), 0);
      ::close(fd);
      bytes += got > 0 ? static_cast<std::size_t>(got) : 0;
      benchmark::DoNotOptimize(buffer.get());
    }
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReadTwoLogsRaw)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
