#pragma once
#include <unistd.h>

namespace dorv::test {

// Folder permissions do not stop the superuser: while this lives a test run as root acts as
// the ordinary user "nobody". Does nothing for a test run by an ordinary user.
class Unprivileged {
 public:
  Unprivileged() : m_dropped(geteuid() == 0 && seteuid(65534) == 0) {}
  ~Unprivileged() {
    if (m_dropped && seteuid(0) != 0) _exit(70);
  }
  Unprivileged(const Unprivileged&) = delete;
  Unprivileged& operator=(const Unprivileged&) = delete;
  bool Active() const { return geteuid() != 0; }

 private:
  bool m_dropped;
};

}  // namespace dorv::test
