// A memo file pair whose index and texts are both fuzzed, read in every way and then changed
// by a sort, an added memo and a deleted one. A change that reports success must leave an
// index that is in key order and holds the entries it should.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "data/PdbFiles.h"

namespace {

using namespace dorv::data;

constexpr std::uint32_t kPair = 7;

std::vector<MemoIndexEntry> StoredIndex(const dorv::test::TempDatabase& db) {
  const std::string bytes = db.ReadFile("MEMO/" + std::to_string(kPair) + ".INX");
  std::vector<MemoIndexEntry> entries(bytes.size() / sizeof(MemoIndexEntry));
  std::copy_n(bytes.data(), entries.size() * sizeof(MemoIndexEntry),
              reinterpret_cast<char*>(entries.data()));
  return entries;
}

long CountKey(const std::vector<MemoIndexEntry>& entries, std::uint32_t key) {
  return std::count_if(entries.begin(), entries.end(),
                       [key](const MemoIndexEntry& e) { return e.key == key; });
}

void Expect(bool holds) {
  if (!holds) std::abort();
}

void ExpectKeyOrder(const std::vector<MemoIndexEntry>& entries) {
  Expect(std::is_sorted(entries.begin(), entries.end(),
                        [](const MemoIndexEntry& a, const MemoIndexEntry& b) { return a.key < b.key; }));
}

void ReadAll(PdbFiles& memos) {
  const long count = memos.ScanIndex();
  std::string text;
  for (long position = -1; position <= std::min(count, dorv::fuzz::kMaxRecords); ++position) {
    bool isFirst = false, isLast = false;
    std::uint32_t key = 0;
    if (memos.ReadMemoAt(position, text, isFirst, isLast, key)) memos.ReadMemoByKey(key, text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorv::fuzz::FuzzInput input(data, size);
  const auto steps = input.Value<std::uint8_t>();
  const std::string newText = input.Text();
  const auto newKey = input.Value<std::uint32_t>();
  const std::string index = input.Part();
  const auto& db = dorv::fuzz::FreshDatabase();
  db.WriteFile("MEMO/" + std::to_string(kPair) + ".INX", index);
  db.WriteFile("MEMO/" + std::to_string(kPair) + ".MMO", input.Rest());

  PdbFiles memos;
  if (!memos.OpenMemoFiles(kPair)) return 0;
  ReadAll(memos);
  std::string text;
  memos.ReadMemoByKey(newKey, text);
  if ((steps & 1) && memos.SortIndex()) ExpectKeyOrder(StoredIndex(db));
  if (steps & 2) {
    const auto before = StoredIndex(db);
    if (memos.AddMemo(newText, newKey)) {
      const auto after = StoredIndex(db);
      ExpectKeyOrder(after);
      Expect(after.size() == before.size() + 1);
      Expect(CountKey(after, newKey) == CountKey(before, newKey) + 1);
    }
  }
  ReadAll(memos);
  if (steps & 4) {
    const auto before = StoredIndex(db);
    if (memos.DeleteMemoByKey(newKey, kPair)) {
      const auto after = StoredIndex(db);
      ExpectKeyOrder(after);
      Expect(after.size() == before.size());
      Expect(newKey == 0 || CountKey(after, newKey) == CountKey(before, newKey) - 1);
    }
    if (memos.OpenMemoFiles(kPair)) ReadAll(memos);
  }
  return 0;
}
