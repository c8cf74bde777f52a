#pragma once
#include <string>

namespace dorv::data {

// The few notices a file operation itself tells the user (a new month's file was created).
// The platform layer shows them; tests record them.
class Notices {
 public:
  virtual ~Notices() = default;
  virtual void Notice(const std::string& text) = 0;
};

}  // namespace dorv::data
