#include "Tsv.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace dorv::sampledb {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::string Join(const std::vector<std::string>& columns) {
  std::string text;
  for (const std::string& c : columns) text += (text.empty() ? "" : " ") + c;
  return text;
}

}  // namespace

std::string TsvRow::Where() const { return m_header->name + ":" + std::to_string(m_line); }

void TsvRow::Fail(const std::string& column, const std::string& message) const {
  throw TableError(Where() + ": " + m_header->ColumnText(column) + ": " + message);
}

const std::string& TsvRow::Field(const std::string& column) const {
  return m_fields[m_header->ColumnIndex(column)];
}

std::string TsvRow::Text(const std::string& column, std::size_t maxLength) const {
  const std::string& text = Field(column);
  for (char c : text)
    if (c < 0x20 || c > 0x7E) Fail(column, "holds a byte that is not printable ASCII");
  if (text.size() > maxLength)
    Fail(column, "'" + text + "' has " + std::to_string(text.size()) +
                     " characters, more than the " + std::to_string(maxLength) + " allowed");
  return text;
}

long long TsvRow::Integer(const std::string& column, long long minimum, long long maximum) const {
  const std::string& text = Field(column);
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    Fail(column, "'" + text + "' is not a whole number");
  if (value < minimum || value > maximum)
    Fail(column, text + " is outside " + std::to_string(minimum) + " to " +
                     std::to_string(maximum));
  return value;
}

std::optional<double> TsvRow::OptionalNumber(const std::string& column, double minimum,
                                             double maximum) const {
  const std::string& text = Field(column);
  if (text.empty()) return std::nullopt;
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    Fail(column, "'" + text + "' is not a decimal number");
  if (value < minimum || value > maximum)
    Fail(column, text + " is outside " + std::to_string(minimum) + " to " +
                     std::to_string(maximum));
  return value;
}

double TsvRow::Number(const std::string& column, double minimum, double maximum) const {
  auto value = OptionalNumber(column, minimum, maximum);
  if (!value) Fail(column, "is empty");
  return *value;
}

TsvTable::TsvTable(const std::string& path, const std::vector<std::string>& columns)
    : TsvTable(Unread{}, path, columns) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TableError(path + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  Parse(text.str());
}

TsvTable TsvTable::FromText(const std::string& name, const std::string& text,
                            const std::vector<std::string>& columns) {
  TsvTable table(Unread{}, name, columns);
  table.Parse(text);
  return table;
}

void TsvTable::Parse(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  bool headerSeen = false;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r')
      throw TableError(m_header->name + ":" + std::to_string(number) + ": line ends in CR LF, not LF");
    if (line.starts_with("#")) continue;
    std::vector<std::string> fields = SplitTabs(line);
    if (!headerSeen) {
      if (fields != m_header->columns)
        throw TableError(m_header->name + ":" + std::to_string(number) + ": header must be the columns " +
                         Join(m_header->columns));
      headerSeen = true;
      continue;
    }
    if (fields.size() != m_header->columns.size())
      throw TableError(m_header->name + ":" + std::to_string(number) + ": " +
                       std::to_string(fields.size()) + " fields, the header has " +
                       std::to_string(m_header->columns.size()));
    m_rows.emplace_back(m_header, number, std::move(fields));
  }
  if (!headerSeen) throw TableError(m_header->name + ": no header line");
}

std::size_t TsvHeader::ColumnIndex(const std::string& column) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i] == column) return i;
  throw std::logic_error(name + ": no column " + column);
}

std::string TsvHeader::ColumnText(const std::string& column) const {
  return "column " + std::to_string(ColumnIndex(column) + 1) + " (" + column + ")";
}

}  // namespace dorv::sampledb
