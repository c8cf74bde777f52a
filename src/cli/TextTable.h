#pragma once
#include <string>
#include <vector>

namespace dorv::cli {

// Rows of texts in aligned columns, two blanks apart, each line ending "\n". A column marked
// right-aligned lines its texts up at the right. Texts count one byte a character.
std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows,
                           const std::vector<bool>& rightAligned);

}  // namespace dorv::cli
