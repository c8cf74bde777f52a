// The call log as the user works in it: opening a month, and deleting one call of a month,
// from the click on Delete (its question answered Yes) to the rows and totals painted again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QItemSelectionModel>

#include "BenchSupport.h"
#include "MixedData.h"
#include "reports/CCallLogDlg.h"
#include "reports/CallLogTestFiles.h"

using namespace dorv;

namespace {

const char* const kMonthFile = "LOG/January1999.LOG";

void BM_OpenCallLogMonth(benchmark::State& state) {
  test::CallLogTestFiles files;
  files.db.WriteFile(kMonthFile, bench::MixedMonth(state.range(0), test::kJan1st1999));
  long rows = 0;
  bench::PathTimes times(state);
  for (auto _ : state) {
    double reference = bench::ReadFilesMs({files.db.Path(kMonthFile)});
    auto start = bench::Clock::now();
    reports::CCallLogDlg dialog(files.Files(), {}, nullptr, test::kJan1st1999);
    dialog.show();
    QApplication::processEvents();  // the first rows are painted
    times.Add(bench::MsSince(start), reference);
    rows = dialog.Rows().rowCount();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_OpenCallLogMonth)
    ->Arg(20000)
    ->Arg(200000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_CallLogDeleteToPaintedRows(benchmark::State& state) {
  test::CallLogTestFiles files;
  const std::string month = bench::MixedMonth(state.range(0), test::kJan1st1999);
  long rows = 0;
  bench::PathTimes times(state);
  for (auto _ : state) {
    files.db.WriteFile(kMonthFile, month);
    // Delete's question is answered Yes; a call without its memo says so, answered too.
    bench::AnswerEvery yes(QMessageBox::Yes);
    reports::CCallLogDlg dialog(files.Files(), {}, nullptr, test::kJan1st1999);
    dialog.show();
    QApplication::processEvents();
    // The user picks a call halfway down the list.
    const QModelIndex picked = dialog.Rows().index(dialog.Rows().rowCount() / 2, 0);
    dialog.List().scrollTo(picked);
    dialog.List().selectionModel()->setCurrentIndex(
        picked, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QApplication::processEvents();
    const int before = dialog.Rows().rowCount();
    const int asked = yes.Shown();
    double reference = bench::ReadFilesMs({files.db.Path(kMonthFile)});
    auto start = bench::Clock::now();
    dialog.Button(reports::CallLogButton::Delete).click();
    QApplication::processEvents();  // the rows and totals are painted
    times.Add(bench::MsSince(start), reference);
    rows = dialog.Rows().rowCount();
    if (rows != before - 1 || yes.Shown() <= asked) state.SkipWithError("the call was not deleted");
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_CallLogDeleteToPaintedRows)
    ->Arg(20000)
    ->Arg(200000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
