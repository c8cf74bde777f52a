#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "pdb/BookLoading.h"
#include "pdb/PdbTestBook.h"

using namespace dorv;

TEST(BookLoading, ReadsInOrderAndStopsAtTheFirstFailedRead) {
  test::PdbTestBook book;
  book.AddNumbered(3);
  data::PdbRecord buffer;
  std::vector<std::string> names;
  auto collect = [&](long position) {
    names.push_back(std::to_string(position) + ":" + data::ReadField(buffer.name));
  };
  // A count beyond the file's end is what a book shortened while being read looks like.
  EXPECT_EQ(pdb::ReadBook(book.pdb, data::PdbKind::Toll, 5, buffer, collect), 3);
  EXPECT_EQ(names, (std::vector<std::string>{"0:Entry 0", "1:Entry 1", "2:Entry 2"}));
  book.pdb.Close();
  EXPECT_EQ(pdb::ReadBook(book.pdb, data::PdbKind::Toll, 3, buffer, collect), 0);
}
