#include <gtest/gtest.h>

#include "Tsv.h"

using dorv::sampledb::TableError;
using dorv::sampledb::TsvTable;

namespace {

const std::vector<std::string> kColumns = {"city", "code", "number"};

TsvTable Parse(const std::string& text) { return TsvTable::FromText("t.tsv", text, kColumns); }

// The message of the TableError that f throws; empty when it throws none.
template <typename F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const TableError& error) {
    return error.what();
  }
  return "";
}

}  // namespace

TEST(TsvTable, SkipsCommentsAndKeepsEmptyFields) {
  TsvTable table = Parse("# origin: invented\ncity\tcode\tnumber\n# between\nOslo\t\t47\n");
  ASSERT_EQ(table.Rows().size(), 1u);
  const auto& row = table.Rows()[0];
  EXPECT_EQ(std::tuple(row.Line(), row.Text("city", 31), row.Text("code", 3),
                       row.Integer("number", 0, 100), row.OptionalNumber("code", -1, 1)),
            std::tuple(4, "Oslo", "", 47, std::optional<double>()));
}

TEST(TsvTable, FaultsNameTheFileLineAndColumn) {
  struct Row { const char *text, *column; std::size_t most; const char* message; };
  const Row rows[] = {
      {"# only comments\n", nullptr, 0, "t.tsv: no header line"},
      {"city\tnumber\tcode\n", nullptr, 0, "t.tsv:1: header must be the columns city code number"},
      {"city\tcode\tnumber\nOslo\tNO\n", nullptr, 0, "t.tsv:2: 2 fields, the header has 3"},
      {"city\tcode\tnumber\r\n", nullptr, 0, "t.tsv:1: line ends in CR LF, not LF"},
      {"city\tcode\tnumber\nOslo\tABCD\t1\n", "code", 3,
       "t.tsv:2: column 2 (code): 'ABCD' has 4 characters, more than the 3 allowed"},
      {"city\tcode\tnumber\nS\xc3\xa3o Paulo\tSP\t1\n", "city", 31,
       "t.tsv:2: column 1 (city): holds a byte that is not printable ASCII"},
      {"city\tcode\tnumber\nOslo\tNO\t4x\n", "number", 100,
       "t.tsv:2: column 3 (number): '4x' is not a whole number"},
      {"city\tcode\tnumber\nOslo\tNO\t400\n", "number", 100,
       "t.tsv:2: column 3 (number): 400 is outside 0 to 100"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ErrorOf([&] {
                TsvTable table = Parse(row.text);
                if (!row.column) return;
                const auto& r = table.Rows()[0];
                if (std::string(row.column) == "number") r.Integer(row.column, 0, row.most);
                else r.Text(row.column, row.most);
              }),
              row.message);
  }
  EXPECT_EQ(ErrorOf([] { TsvTable("/nonexistent/x.tsv", kColumns); }),
            "/nonexistent/x.tsv: cannot be read");
}
