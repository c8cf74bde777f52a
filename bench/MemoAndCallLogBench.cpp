#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "data/CallLog.h"
#include "support/FakeMemoCounter.h"
#include "data/FixedText.h"
#include "data/PdbFiles.h"
#include "support/TempDatabase.h"

using namespace dorv::data;

namespace {

class SilentNotices : public Notices {
 public:
  void Notice(const std::string&) override {}
};

// Adding one memo to an entry that already has 10,000: the index is re-sorted each time.
void BM_AddMemoToTenThousand(benchmark::State& state) {
  dorv::test::TempDatabase db;
  std::vector<MemoIndexEntry> entries;
  std::string texts;
  for (std::uint32_t i = 0; i < 10000; ++i) {
    std::string text = "memo number " + std::to_string(i);
    entries.push_back({static_cast<std::uint32_t>(texts.size()),
                       static_cast<std::uint32_t>(text.size()), 1000000 + i * 100});
    texts += text;
  }
  db.WriteFile("MEMO/1.MMO", texts);
  db.WriteFile("MEMO/1.INX", std::string(reinterpret_cast<const char*>(entries.data()),
                                         entries.size() * sizeof(MemoIndexEntry)));
  PdbFiles files;
  if (!files.OpenMemoFiles(1)) state.SkipWithError("memo files");
  std::mt19937 random(7);
  for (auto _ : state) {
    // Random keys land anywhere in the index, on average moving half of it.
    if (!files.AddMemo("a new memo for this call", 1000000 + random() % 1000000))
      state.SkipWithError("AddMemo failed");
  }
}
BENCHMARK(BM_AddMemoToTenThousand)->Unit(benchmark::kMillisecond)->Iterations(200);

// Deleting one call from a month of 20,000.
void BM_DeleteOneOfTwentyThousandCalls(benchmark::State& state) {
  dorv::test::TempDatabase db;
  std::vector<CallLogRecord> calls(20000);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    ClearCallRecord(calls[i], true);
    WriteField(calls[i].name, "Caller " + std::to_string(i));
    calls[i].start = static_cast<std::int32_t>(900000000 + i * 60);
  }
  db.WriteFile("LOG/May2001.LOG", std::string(reinterpret_cast<const char*>(calls.data()),
                                              calls.size() * sizeof(CallLogRecord)));
  SilentNotices notices;
  CallLogFile log(notices);
  for (auto _ : state) {
    if (!log.DeleteRecord(10000, 5, 2001)) state.SkipWithError("DeleteRecord failed");
  }
}
BENCHMARK(BM_DeleteOneOfTwentyThousandCalls)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
