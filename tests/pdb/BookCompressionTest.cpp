#include <gtest/gtest.h>

#include <cerrno>

#include "support/FaultInjector.h"
#include "pdb/BookCompression.h"
#include "pdb/PdbTestBook.h"

using namespace dorv;
using dorv::test::PdbTestBook;

namespace {
constexpr std::size_t kSize = sizeof(data::PdbRecord);

std::string StoredRecord(const std::string& file, std::size_t index) {
  return file.substr(index * kSize, kSize);
}
}  // namespace

TEST(BookCompression, DropsDeletedEntriesKeepingOrderAndStoredBytes) {
  PdbTestBook book;
  book.AddNumbered(10);
  for (long deleted : {0, 4, 9}) ASSERT_TRUE(book.pdb.SetDeleted(deleted, true, data::PdbKind::Toll));
  std::string before = book.db.ReadFile("DORV21");
  long looked = 0;
  pdb::CompressResult result =
      pdb::CompressBook(book.pdb, data::PdbKind::Toll, [&] { ++looked; });
  EXPECT_TRUE(result.rewritten);
  EXPECT_TRUE(result.booksOpen);
  EXPECT_EQ(result.kept, 7);
  EXPECT_EQ(looked, 10);
  std::string after = book.db.ReadFile("DORV21");
  ASSERT_EQ(after.size(), 7 * kSize);
  std::size_t kept = 0;
  for (std::size_t i : {1, 2, 3, 5, 6, 7, 8})
    EXPECT_EQ(StoredRecord(after, kept++), StoredRecord(before, i)) << i;
  EXPECT_EQ(book.NamesInFile(), (std::vector<std::string>{"Entry 1", "Entry 2", "Entry 3",
                                                          "Entry 5", "Entry 6", "Entry 7",
                                                          "Entry 8"}));
  EXPECT_FALSE(book.db.Exists("~PTEMP~.DAT"));
  EXPECT_EQ(book.pdb.Count(data::PdbKind::TollFree), 0);
}

TEST(BookCompression, NothingDeletedOrEverythingDeleted) {
  PdbTestBook book;
  book.AddNumbered(5);
  std::string before = book.db.ReadFile("DORV21");
  EXPECT_TRUE(pdb::CompressBook(book.pdb, data::PdbKind::Toll).rewritten);
  EXPECT_EQ(book.db.ReadFile("DORV21"), before);
  for (long i = 0; i < 5; ++i) ASSERT_TRUE(book.pdb.SetDeleted(i, true, data::PdbKind::Toll));
  EXPECT_EQ(pdb::CompressBook(book.pdb, data::PdbKind::Toll).kept, 0);
  EXPECT_EQ(book.db.ReadFile("DORV21").size(), 0u);
}

TEST(BookCompression, OnlyTheChosenBookIsRewritten) {
  PdbTestBook book;
  book.Add({{"A", "toll", "1", "2", "3", true}});
  book.Add({{"B", "free", "1", "2", "3", true}}, data::PdbKind::TollFree);
  EXPECT_TRUE(pdb::CompressBook(book.pdb, data::PdbKind::TollFree).rewritten);
  EXPECT_EQ(book.pdb.Count(data::PdbKind::TollFree), 0);
  EXPECT_EQ(book.pdb.Count(data::PdbKind::Toll), 1);
}

TEST(BookCompression, AFailedRewriteLeavesTheBookAsItWasAndOpen) {
  PdbTestBook book;
  book.AddNumbered(4, 2);
  std::string before = book.db.ReadFile("DORV21");
  test::FaultInjector failingRename(test::FailingCall::Rename, 1, test::Failure::Once);
  pdb::CompressResult result = pdb::CompressBook(book.pdb, data::PdbKind::Toll);
  EXPECT_FALSE(result.rewritten);
  EXPECT_TRUE(result.booksOpen);
  EXPECT_EQ(book.db.ReadFile("DORV21"), before);
  EXPECT_FALSE(book.db.Exists("~PTEMP~.DAT"));
  EXPECT_EQ(book.pdb.Count(data::PdbKind::Toll), 4);
}

TEST(BookCompression, ClosedBooksOrNoBookFailWithoutTouchingFiles) {
  PdbTestBook book;
  book.AddNumbered(2, 2);
  std::string before = book.db.ReadFile("DORV21");
  EXPECT_FALSE(pdb::CompressBook(book.pdb, static_cast<data::PdbKind>(7)).rewritten);
  book.pdb.Close();
  pdb::CompressResult result = pdb::CompressBook(book.pdb, data::PdbKind::Toll);
  EXPECT_FALSE(result.rewritten);
  EXPECT_FALSE(result.booksOpen);
  EXPECT_EQ(book.db.ReadFile("DORV21"), before);
}
