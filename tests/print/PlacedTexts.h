#pragma once
#include <sstream>
#include <string>

namespace dorv::test {

// The texts drawn after the job started, each as "page:line text", or "page:line text @x".
inline std::string PlacedTexts(const std::string& log, bool withX = false) {
  std::istringstream lines(log);
  std::string line, placed;
  int page = 0;
  while (std::getline(lines, line)) {
    if (line == "page") ++page;
    const auto comma = line.find(','), blank = line.find(' ', comma);
    if (line.rfind("text ", 0) != 0 && line.rfind("bold ", 0) != 0) continue;
    const int y = std::stoi(line.substr(comma + 1, blank - comma - 1));
    placed += std::to_string(page) + ":" + std::to_string(y / 100) + " " + line.substr(blank + 1);
    placed += (withX ? " @" + line.substr(5, comma - 5) : "") + "\n";
  }
  return placed;
}

}  // namespace dorv::test
