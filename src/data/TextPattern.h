#pragma once
#include <initializer_list>
#include <string>

namespace dorv::data {

// Puts each argument, in order, where the pattern has its next "%s".
inline std::string FillPattern(std::string pattern, std::initializer_list<std::string> arguments) {
  std::size_t from = 0;
  for (const std::string& argument : arguments) {
    std::size_t at = pattern.find("%s", from);
    if (at == std::string::npos) break;
    pattern.replace(at, 2, argument);
    from = at + argument.size();
  }
  return pattern;
}

}  // namespace dorv::data
