// Opening and compressing a book of 100,000 entries.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <string>

#include "pdb/BookCompression.h"
#include "pdb/CPdbListDlg.h"
#include "pdb/PdbTestBook.h"

using namespace dorv;

namespace {

constexpr long kEntries = 100000;

// Kilobytes of the process's resident memory: now, or at its peak.
long MemoryKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
  return -1;
}

void BM_OpenBookOf100000(benchmark::State& state) {
  test::PdbTestBook book;
  book.AddNumbered(kEntries, 10);
  long before = MemoryKb("VmRSS:");
  long steps = 0, rows = 0;
  for (auto _ : state) {
    pdb::CPdbListDlg dialog(book.pdb, book.myInfo, data::PdbKind::Toll);
    dialog.show();
    dialog.OnLoadTimer();
    QApplication::processEvents();  // the rows are painted
    steps = dialog.ProgressSteps();
    rows = dialog.Rows().rowCount();
    state.counters["loadedKb"] = static_cast<double>(MemoryKb("VmRSS:") - before);
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["barSteps"] = static_cast<double>(steps);
  state.counters["peakKb"] = static_cast<double>(MemoryKb("VmHWM:"));
}
BENCHMARK(BM_OpenBookOf100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CompressBookOf100000TenPercentDeleted(benchmark::State& state) {
  test::PdbTestBook book;
  book.AddNumbered(kEntries, 10);
  const std::string original = book.db.ReadFile("DORV21");
  long kept = 0;
  for (auto _ : state) {
    state.PauseTiming();
    book.pdb.Close();
    book.db.WriteFile("DORV21", original);
    book.pdb.Open();
    state.ResumeTiming();
    kept = pdb::CompressBook(book.pdb, data::PdbKind::Toll).kept;
  }
  state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_CompressBookOf100000TenPercentDeleted)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
