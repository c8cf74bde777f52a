#include <gtest/gtest.h>

#include "pdb/BookCompression.h"
#include "pdb/BookLoading.h"
#include "pdb/PdbTestBook.h"
#include "support/FaultInjector.h"

using namespace dorv;
using dorv::test::PdbTestBook;
using Names = std::vector<std::string>;

TEST(BookLoading, ReadsInOrderAndStopsAtTheFirstFailedRead) {
  PdbTestBook book;
  book.AddNumbered(3);
  data::PdbRecord buffer;
  Names names;
  auto collect = [&](long position) {
    names.push_back(std::to_string(position) + ":" + data::ReadField(buffer.name));
  };
  // A count beyond the file's end is what a book shortened while being read looks like.
  EXPECT_EQ(pdb::ReadBook(book.pdb, data::PdbKind::Toll, 5, buffer, collect), 3);
  EXPECT_EQ(names, (Names{"0:Entry 0", "1:Entry 1", "2:Entry 2"}));
  book.pdb.Close();
  EXPECT_EQ(pdb::ReadBook(book.pdb, data::PdbKind::Toll, 3, buffer, collect), 0);
}

TEST(BookCompression, DropsDeletedEntriesKeepingOrderAndStoredBytes) {
  constexpr std::size_t kSize = sizeof(data::PdbRecord);
  PdbTestBook book;
  book.AddNumbered(10);
  for (long deleted : {0, 4, 9})
    ASSERT_TRUE(book.pdb.SetDeleted(deleted, true, data::PdbKind::Toll));
  const std::string before = book.db.ReadFile("DORV21");
  long looked = 0;
  pdb::CompressResult result = pdb::CompressBook(book.pdb, data::PdbKind::Toll, [&] { ++looked; });
  EXPECT_EQ(std::tie(result.rewritten, result.booksOpen, result.kept),
            std::make_tuple(true, true, 7L));
  EXPECT_EQ(looked, 10);
  const std::string after = book.db.ReadFile("DORV21");
  ASSERT_EQ(after.size(), 7 * kSize);
  std::size_t kept = 0;
  for (std::size_t i : {1, 2, 3, 5, 6, 7, 8})
    EXPECT_EQ(after.substr(kSize * kept++, kSize), before.substr(kSize * i, kSize)) << i;
  EXPECT_EQ(book.pdb.Count(data::PdbKind::Toll), 7);  // the open book is the rewritten file
  EXPECT_FALSE(book.db.Exists("~PTEMP~.DAT"));
}

// Compressing one book leaves the other's file as it was, and so do a failed rename, an unknown
// book and closed books; a book whose entries are all deleted ends empty.
TEST(BookCompression, AFailedRewriteOrAnotherBookLeavesTheFileAsItWas) {
  PdbTestBook book;
  book.AddNumbered(4, 2);
  book.Add({{"B", "free", "1", "2", "3", true}}, data::PdbKind::TollFree);
  const std::string before = book.db.ReadFile("DORV21");
  EXPECT_TRUE(pdb::CompressBook(book.pdb, data::PdbKind::TollFree).rewritten);
  EXPECT_EQ(book.pdb.Count(data::PdbKind::TollFree), 0);
  {
    test::FaultInjector failingRename(test::FailingCall::Rename, 1, test::Failure::Once);
    pdb::CompressResult result = pdb::CompressBook(book.pdb, data::PdbKind::Toll);
    EXPECT_EQ(std::tie(result.rewritten, result.booksOpen), std::make_tuple(false, true));
  }
  EXPECT_FALSE(book.db.Exists("~PTEMP~.DAT"));
  EXPECT_EQ(book.pdb.Count(data::PdbKind::Toll), 4);
  EXPECT_FALSE(pdb::CompressBook(book.pdb, static_cast<data::PdbKind>(7)).rewritten);
  book.pdb.Close();
  pdb::CompressResult result = pdb::CompressBook(book.pdb, data::PdbKind::Toll);
  EXPECT_EQ(std::tie(result.rewritten, result.booksOpen), std::make_tuple(false, false));
  EXPECT_EQ(book.db.ReadFile("DORV21"), before);
  ASSERT_TRUE(book.pdb.Open());
  for (long i : {1, 3}) ASSERT_TRUE(book.pdb.SetDeleted(i, true, data::PdbKind::Toll));
  EXPECT_EQ(pdb::CompressBook(book.pdb, data::PdbKind::Toll).kept, 0);
  EXPECT_EQ(book.db.ReadFile("DORV21").size(), 0u);
}
