// The Toll book's list as the user opens it from the menu: the window shown, the load timer
// run out, the book read and sorted, the rows painted. Then compressing a book.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchSupport.h"
#include "MixedData.h"
#include "pdb/BookCompression.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/PdbTestBook.h"

using namespace dorv;

namespace {

// Opens the list the way the menu does and waits until its rows are painted.
void BM_TollListMenuToPaintedRows(benchmark::State& state) {
  const long entries = state.range(0);
  test::PdbTestBook book;
  book.pdb.Close();
  bench::WriteMixedBook(book.db.Path("DORV21"), entries, 10);
  if (!book.pdb.Open()) state.SkipWithError("books");
  const long before = bench::MemoryKb("VmRSS:");
  long rows = 0, loadedKb = 0;
  bench::PathTimes times(state);
  for (auto _ : state) {
    double reference = bench::ReadFilesMs({book.db.Path("DORV21")});
    auto start = bench::Clock::now();
    {
      pdb::CPdbListDlg dialog(book.pdb, book.myInfo, data::PdbKind::Toll);
      dialog.show();
      bench::RunEventsUntil([&] { return dialog.Rows().rowCount() > 0; });
      times.Add(bench::MsSince(start), reference);
      rows = dialog.Rows().rowCount();
      loadedKb = bench::MemoryKb("VmRSS:") - before;
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["loadedMB"] = loadedKb / 1024.0;
  state.counters["peakMB"] = bench::MemoryKb("VmHWM:") / 1024.0;
}
BENCHMARK(BM_TollListMenuToPaintedRows)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_CompressBookOf100000TenPercentDeleted(benchmark::State& state) {
  test::PdbTestBook book;
  book.pdb.Close();
  bench::WriteMixedBook(book.db.Path("DORV21"), 100000, 10);
  const std::string original = book.db.ReadFile("DORV21");
  long kept = 0;
  bench::PathTimes times(state);
  for (auto _ : state) {
    book.db.WriteFile("DORV21", original);
    book.pdb.Open();
    double reference = bench::ReadFilesMs({book.db.Path("DORV21")});
    auto start = bench::Clock::now();
    kept = pdb::CompressBook(book.pdb, data::PdbKind::Toll).kept;
    times.Add(bench::MsSince(start), reference);
    book.pdb.Close();
  }
  state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_CompressBookOf100000TenPercentDeleted)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
