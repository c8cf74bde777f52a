#pragma once
#include <string>
#include <vector>

#include "data/Notices.h"

namespace dorv::test {

// Keeps every notice a file operation would have shown.
class RecordingNotices : public data::Notices {
 public:
  void Notice(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

}  // namespace dorv::test
