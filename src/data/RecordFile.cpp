#include "RecordFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "DatabaseDir.h"

namespace dorv::data {

RecordFile::~RecordFile() { Close(); }

bool RecordFile::Open(const std::string& name, bool writable) {
  Close();
  auto path = DatabasePath(name);
  if (!path) return false;
  m_fd = ::open(path->c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
  return m_fd >= 0;
}

bool RecordFile::Close() {
  if (m_fd < 0) return false;
  ::close(m_fd);
  m_fd = -1;
  return true;
}

long RecordFile::Count(std::size_t recordSize) const {
  if (m_fd < 0) return -1;
  off_t here = ::lseek(m_fd, 0, SEEK_CUR);
  off_t end = ::lseek(m_fd, 0, SEEK_END);
  if (here >= 0) ::lseek(m_fd, here, SEEK_SET);
  if (end < 0) return -1;
  return static_cast<long>(end / static_cast<off_t>(recordSize));
}

bool RecordFile::ReadAt(long long position, void* buffer, std::size_t size) {
  if (m_fd < 0 || position < 0) return false;
  if (::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) < 0) return false;
  return ReadHere(buffer, size);
}

bool RecordFile::ReadHere(void* buffer, std::size_t size) {
  if (m_fd >= 0 && ::read(m_fd, buffer, size) == static_cast<ssize_t>(size)) return true;
  std::memset(buffer, 0, size);  // no half-read record reaches the caller
  return false;
}

}  // namespace dorv::data
