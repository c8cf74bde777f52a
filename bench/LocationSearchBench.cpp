// Looking a location up in the shipped sample database as the user does: the lookup window
// open, a criterion clicked, the progress bar run, the rows sorted and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "BenchSupport.h"
#include "data/LocationSearch.h"
#include "data/SampleLocation.h"
#include "pdb/CSampleLookupDlg.h"
#include "platform/ReportList.h"
#include "support/SampleFixture.h"

using namespace dorv;

namespace {

void BM_LookupCityClickToPaintedRows(benchmark::State& state) {
  test::TempDatabase db;
  if (!test::CopySampleFiles(db, DORV_SAMPLEDB_DIR)) state.SkipWithError("sample files");
  data::SampleTables tables;
  if (!tables.Open()) state.SkipWithError("open");
  data::MyInfo info{};
  pdb::CSampleLookupDlg dialog(tables, info, false);
  dialog.show();
  QApplication::processEvents();
  dialog.SearchField()->setText("san");
  const std::vector<std::string> regions = {
      db.Path(data::kUnitedStatesTable), db.Path(data::kCanadaTable),
      db.Path(data::kMexicoTable), db.Path(data::kInternationalTable)};
  long rows = 0;
  bench::PathTimes times(state);
  for (auto _ : state) {
    double reference = bench::ReadFilesMs(regions);
    auto start = bench::Clock::now();
    dialog.CriterionButton(data::SearchCriterion::City)->click();
    QApplication::processEvents();  // the rows are painted
    times.Add(bench::MsSince(start), reference);
    rows = dialog.List()->Model()->rowCount();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_LookupCityClickToPaintedRows)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
