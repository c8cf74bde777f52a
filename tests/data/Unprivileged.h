#pragma once
#include <unistd.h>

namespace dorv::test {

// Folder permissions do not stop the superuser: while this lives a test run as root acts as an
// ordinary user ("nobody"). Does nothing for a test already run by an ordinary user.
class Unprivileged {
 public:
  Unprivileged() : m_wasRoot(geteuid() == 0) {
    if (m_wasRoot) m_dropped = seteuid(65534) == 0;
  }
  ~Unprivileged() {
    if (m_dropped && seteuid(0) != 0) _exit(70);
  }
  Unprivileged(const Unprivileged&) = delete;
  Unprivileged& operator=(const Unprivileged&) = delete;
  // False when running as root and the user could not be changed.
  bool Active() const { return !m_wasRoot || m_dropped; }

 private:
  bool m_wasRoot;
  bool m_dropped = false;
};

}  // namespace dorv::test
