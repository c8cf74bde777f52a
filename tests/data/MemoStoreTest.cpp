#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <tuple>

#include "data/PdbFiles.h"
#include "support/Builders.h"
#include "support/FakeMemoCounter.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using namespace dorv::test;

namespace {

using Index = std::vector<MemoIndexEntry>;

std::uint32_t CounterIn(const TempDatabase& db) {
  std::string bytes = db.ReadFile("DORV98");
  std::uint32_t value = 0;
  if (bytes.size() >= 4) std::memcpy(&value, bytes.data(), 4);
  return value;
}

// An entry with its first memo files, created through the counter.
struct EntryWithMemos {
  TempDatabase db;
  FakeMemoCounter counter;
  PdbFiles files;
  PdbRecord entry{};
  std::uint32_t number = 0;
  EntryWithMemos() {
    EXPECT_TRUE(files.SyncCounter(counter));
    ClearRecord(entry);
    EXPECT_TRUE(files.CreateMemoFiles(counter, entry, number));
  }
};

}  // namespace

TEST(MemoCounter, NumbersAreHandedOutOnceNeverOverAnotherEntrysFilesNorUsedUpByAFailure) {
  TempDatabase db;
  db.WriteFile("MEMO/1.MMO", "someone else's memo");
  db.WriteFile("MEMO/1.INX", std::string(12, '\1'));
  FakeMemoCounter counter;
  PdbFiles files;
  ASSERT_TRUE(files.SyncCounter(counter));  // first start: the counter begins at 1
  PdbRecord entry{};
  std::uint32_t number = 0;
  ASSERT_TRUE(files.CreateMemoFiles(counter, entry, number));
  // 1 is taken on disk: the entry gets 2, and both copies of the counter move on to 3.
  EXPECT_EQ(std::tuple(number, entry.memoFileNumber, counter.value, CounterIn(db)),
            std::tuple(2u, 2u, std::optional(3u), 3u));
  EXPECT_TRUE(db.Exists("MEMO/2.MMO") && db.Exists("MEMO/2.INX"));
  EXPECT_EQ(db.ReadFile("MEMO/1.MMO"), "someone else's memo");
  // An entry that has its files keeps them and uses no number.
  ASSERT_TRUE(files.CreateMemoFiles(counter, entry, number));
  EXPECT_EQ(std::pair(number, counter.value), std::pair(2u, std::optional(3u)));
  // Without the memo folder another entry gets no files and uses up no number.
  std::filesystem::remove_all(db.Path("MEMO"));
  PdbRecord another{};
  EXPECT_FALSE(files.CreateMemoFiles(counter, another, number));
  EXPECT_EQ(std::pair(counter.value, CounterIn(db)), std::pair(std::optional(3u), 3u));
}

TEST(MemoCounter, TheLargerCopyWinsAtStartUp) {
  struct Case { const char* name; std::optional<std::uint32_t> stored, inFile, expected; };
  const Case cases[] = {{"settings 5, file 9", 5, 9, 9}, {"settings 9, file 5", 9, 5, 9},
               {"no file", 7, std::nullopt, 7}, {"no settings", std::nullopt, 4, 4},
               {"both zero", 0, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDatabase db;
    FakeMemoCounter counter;
    counter.placeExists = c.stored.has_value();
    counter.value = c.stored;
    if (c.inFile) db.WriteFile("DORV98", RecordBytes(*c.inFile));
    ASSERT_TRUE(PdbFiles().SyncCounter(counter));
    EXPECT_EQ(counter.value, c.expected);
    EXPECT_EQ(CounterIn(db), c.expected);
  }
}

TEST(MemoCounter, FailuresOfTheSettingsCopyAreReported) {
  TempDatabase db;
  FakeMemoCounter counter;
  PdbFiles files;
  counter.failOpen = true;
  EXPECT_FALSE(files.SyncCounter(counter));
  counter.failOpen = false;
  counter.failWrite = true;
  EXPECT_FALSE(files.SyncCounter(counter));
  EXPECT_FALSE(files.SetCounter(counter, 3));
  PdbRecord entry{};
  std::uint32_t number = 0;
  EXPECT_FALSE(files.CreateMemoFiles(counter, entry, number));
  EXPECT_EQ(entry.memoFileNumber, 0u);
}

TEST(MemoStore, IndexIsSortedByKeyTextsStayInWrittenOrderAndDeletingLeavesAZeroEntryFirst) {
  EntryWithMemos setup;
  PdbFiles& files = setup.files;
  ASSERT_TRUE(files.AddMemo("later call", 200));
  ASSERT_TRUE(files.AddMemo("earlier", 100));
  ASSERT_TRUE(files.AddMemo("", 150));  // an empty text counts as an empty entry
  EXPECT_EQ(setup.db.ReadFile("MEMO/1.MMO"), "later callearlier");
  EXPECT_EQ(setup.db.ReadFile("MEMO/1.INX"),
            RecordBytes(Index{{10, 7, 100}, {17, 0, 150}, {0, 10, 200}}));

  std::string text;
  ASSERT_TRUE(files.ReadMemoByKey(200, text));
  EXPECT_EQ(text, "later call");
  EXPECT_FALSE(files.ReadMemoByKey(300, text));
  ASSERT_EQ(files.ScanIndex(), 3);
  bool first = false, last = false;
  std::uint32_t key = 0;
  ASSERT_TRUE(files.ReadMemoAt(0, text, first, last, key));
  EXPECT_EQ(std::tuple(text, first, last, key), std::tuple("earlier", true, false, 100u));
  first = last = false;
  ASSERT_TRUE(files.ReadMemoAt(2, text, first, last, key));
  EXPECT_EQ(std::tuple(text, first, last, key), std::tuple("later call", false, true, 200u));
  EXPECT_FALSE(files.ReadMemoAt(3, text, first, last, key));

  files.CloseMemoFiles();
  ASSERT_TRUE(files.DeleteMemoByKey(100, 1));
  EXPECT_FALSE(files.DeleteMemoByKey(100, 1));  // nothing left with that key
  EXPECT_EQ(setup.db.ReadFile("MEMO/1.INX"),
            RecordBytes(Index{{0, 0, 0}, {17, 0, 150}, {0, 10, 200}}));
  EXPECT_EQ(setup.db.ReadFile("MEMO/1.MMO"), "later callearlier");
}

TEST(MemoStore, SortGivesTheSameIndexAsPairwiseSwapping) {
  EntryWithMemos setup;
  // Few distinct keys, some of them empty entries, some with the top bit set.
  std::vector<MemoIndexEntry> entries;
  std::uint32_t seed = 12345;
  for (std::uint32_t i = 0; i < 300; ++i) {
    seed = seed * 1103515245u + 12345u;
    std::uint32_t key = (seed >> 16) % 7 == 0 ? 0 : ((seed >> 16) % 23) * 0x0B000000u;
    entries.push_back({i * 3, (seed >> 8) % 5, key});
  }
  setup.db.WriteFile("MEMO/1.INX", RecordBytes(entries));
  // The reference: passes of neighbour swaps on a strictly greater key until none swaps.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t j = 0; j + 1 < entries.size(); ++j)
      if (entries[j].key > entries[j + 1].key)
        std::swap(entries[j], entries[j + 1]), swapped = true;
  }
  ASSERT_TRUE(setup.files.SortIndex());
  EXPECT_EQ(setup.db.ReadFile("MEMO/1.INX"), RecordBytes(entries));
}

TEST(MemoStore, MissingOrDamagedFilesFail) {
  TempDatabase db;
  PdbFiles files;
  PdbRecord entry{};
  EXPECT_FALSE(files.OpenMemoFilesOf(entry));  // number 0: no memo files
  db.WriteFile("MEMO/4.MMO", "abc");
  EXPECT_FALSE(files.OpenMemoFiles(4));  // the index is missing
  // An index entry pointing past the data file's end reads as a failure, not as garbage.
  MemoIndexEntry wild{1, 0x7fffffff, 42};
  db.WriteFile("MEMO/4.INX", RecordBytes(wild));
  ASSERT_TRUE(files.OpenMemoFiles(4));
  std::string text;
  EXPECT_FALSE(files.ReadMemoByKey(42, text));
  // An index of absurd length (a damaged or sparse file) is refused, not allocated for.
  ASSERT_EQ(::truncate(db.Path("MEMO/4.INX").c_str(), 12LL << 30), 0);
  EXPECT_FALSE(files.ReadMemoByKey(42, text));
  EXPECT_FALSE(files.AddMemo("more", 43));
}
