#include <benchmark/benchmark.h>

#include "support/SampleFixture.h"
#include "data/LocationSearch.h"

using namespace dorv;

namespace {

// One search through all four region tables of the shipped sample database.
void BM_SearchAllFourRegions(benchmark::State& state) {
  test::TempDatabase db;
  if (!test::CopySampleFiles(db, DORV_SAMPLEDB_DIR)) state.SkipWithError("sample files");
  data::SampleTables tables;
  if (!tables.Open()) state.SkipWithError("open");
  long total = data::TotalLocationCount(tables);
  std::size_t found = 0;
  for (auto _ : state) {
    data::SearchOutcome outcome = data::SearchLocations(tables, data::SearchCriterion::City, "san",
                                                      total / 100, [] {});
    found = outcome.rows.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["records"] = static_cast<double>(total);
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchAllFourRegions)->Unit(benchmark::kMillisecond);

}  // namespace
