#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/FixedText.h"

namespace dorv::sampledb {

// A fault in a source table, its text naming the file, line and column.
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A table's file name and columns, shared by the table and its rows.
struct TsvHeader {
  std::string name;
  std::vector<std::string> columns;
  // Index of a column; a name the table was not read with is a programming error.
  std::size_t ColumnIndex(const std::string& column) const;
  std::string ColumnText(const std::string& column) const;
};

// One data row of a table; fields are fetched by column name and checked on the way.
class TsvRow {
 public:
  TsvRow(std::shared_ptr<const TsvHeader> header, int line, std::vector<std::string> fields)
      : m_header(std::move(header)), m_line(line), m_fields(std::move(fields)) {}

  int Line() const { return m_line; }
  // Where this row is, "file:line", for messages about the row as a whole.
  std::string Where() const;
  [[noreturn]] void Fail(const std::string& column, const std::string& message) const;

  // The field as it stands: printable ASCII, at most maxLength characters.
  std::string Text(const std::string& column, std::size_t maxLength) const;
  // The text into a fixed-width field; longer than the field's width - 1 is an error.
  template <std::size_t N>
  void TextInto(char (&field)[N], const std::string& column) const {
    data::WriteField(field, Text(column, N - 1));
  }
  long long Integer(const std::string& column, long long minimum, long long maximum) const;
  double Number(const std::string& column, double minimum, double maximum) const;
  // Empty means none.
  std::optional<double> OptionalNumber(const std::string& column, double minimum,
                                       double maximum) const;

 private:
  const std::string& Field(const std::string& column) const;

  std::shared_ptr<const TsvHeader> m_header;
  int m_line;
  std::vector<std::string> m_fields;
};

// A source table: '#' comment lines, then a header naming exactly the expected columns, then
// rows of TAB-separated fields with as many fields as the header.
class TsvTable {
 public:
  TsvTable(const std::string& path, const std::vector<std::string>& columns);
  // Parses text already read; name is what messages call the file.
  static TsvTable FromText(const std::string& name, const std::string& text,
                           const std::vector<std::string>& columns);

  const std::string& Name() const { return m_header->name; }
  const std::vector<TsvRow>& Rows() const { return m_rows; }

 private:
  struct Unread {};
  TsvTable(Unread, const std::string& name, const std::vector<std::string>& columns)
      : m_header(std::make_shared<TsvHeader>(TsvHeader{name, columns})) {}
  void Parse(const std::string& text);

  std::shared_ptr<const TsvHeader> m_header;
  std::vector<TsvRow> m_rows;
};

}  // namespace dorv::sampledb
