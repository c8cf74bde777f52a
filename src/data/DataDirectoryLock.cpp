#include "DataDirectoryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "DatabaseDir.h"

namespace dorv::data {

DataDirectoryLock::~DataDirectoryLock() { Release(); }

DataDirectoryLock::Result DataDirectoryLock::Acquire() {
  if (IsHeld()) return Result::Acquired;
  const auto path = DatabasePath(kLockFileName);
  if (!path) return Result::Failed;
  // Close-on-exec: a program started from here (the calculator) must not keep the lock alive.
  const int fd = open(path->c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Result::Failed;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    errno = error;
    return error == EWOULDBLOCK ? Result::HeldElsewhere : Result::Failed;
  }
  m_fd = fd;
  return Result::Acquired;
}

void DataDirectoryLock::Release() {
  if (m_fd < 0) return;
  close(m_fd);
  m_fd = -1;
}

}  // namespace dorv::data
