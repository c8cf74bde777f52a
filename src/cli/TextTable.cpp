#include "cli/TextTable.h"

#include <algorithm>

namespace dorv::cli {

std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows,
                           const std::vector<bool>& rightAligned) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  std::string text;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) line += "  ";
      const std::string padding(widths[i] - row[i].size(), ' ');
      const bool right = i < rightAligned.size() && rightAligned[i];
      line += right ? padding + row[i] : row[i] + padding;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + '\n';
  }
  return text;
}

}  // namespace dorv::cli
