#include "RecordFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "DatabaseDir.h"
#include "FileCalls.h"

namespace dorv::data {

RecordFile::~RecordFile() { Close(); }

bool RecordFile::Open(const std::string& name, bool writable) {
  Close();
  auto path = DatabasePath(name);
  if (!path) return false;
  m_fd = Calls().open(path->c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC, 0);
  return m_fd >= 0;
}

bool RecordFile::OpenOrCreate(const std::string& name, bool& created) {
  created = false;
  if (Open(name, true)) return true;
  if (errno != ENOENT) return false;
  auto path = DatabasePath(name);
  if (!path) return false;
  m_fd = Calls().open(path->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (m_fd >= 0) {
    created = true;
    return true;
  }
  // Made by someone else in the meantime: use theirs, never truncate it.
  return errno == EEXIST && Open(name, true);
}

bool RecordFile::Close() {
  if (m_fd < 0) return false;
  ::close(m_fd);
  m_fd = -1;
  return true;
}

void RecordFile::Adopt(int fd) {
  Close();
  m_fd = fd;
}

long RecordFile::Count(std::size_t recordSize) const {
  if (m_fd < 0 || recordSize == 0) return -1;
  off_t here = ::lseek(m_fd, 0, SEEK_CUR);
  off_t end = ::lseek(m_fd, 0, SEEK_END);
  if (here >= 0) ::lseek(m_fd, here, SEEK_SET);
  if (end < 0) return -1;
  return static_cast<long>(end / static_cast<off_t>(recordSize));
}

bool RecordFile::ReadAt(long long position, void* buffer, std::size_t size) {
  if (m_fd < 0 || position < 0 || ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) < 0) {
    std::memset(buffer, 0, size);
    return false;
  }
  return ReadHere(buffer, size);
}

bool RecordFile::ReadHere(void* buffer, std::size_t size) {
  // One read call per record as a book is walked: no seeking around it.
  char* bytes = static_cast<char*>(buffer);
  std::size_t left = m_fd < 0 ? 0 : size;
  while (left > 0) {
    ssize_t got = ::read(m_fd, bytes, left);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    bytes += got;
    left -= static_cast<std::size_t>(got);
  }
  if (m_fd >= 0 && left == 0) return true;
  std::memset(buffer, 0, size);  // no half-read record reaches the caller
  return false;
}

bool RecordFile::SeekTo(long long position) {
  return m_fd >= 0 && position >= 0 && ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) >= 0;
}

bool RecordFile::WriteAt(long long position, const void* data, std::size_t size) {
  if (m_fd < 0 || position < 0) return false;
  const off_t at = static_cast<off_t>(position);
  std::vector<char> old(size);
  bool hadOld = ReadFully(m_fd, old.data(), size, at);
  if (WriteFully(m_fd, data, size, at)) return ::lseek(m_fd, at + static_cast<off_t>(size), SEEK_SET) >= 0;
  if (hadOld) WriteFully(m_fd, old.data(), size, at);
  return false;
}

bool RecordFile::Append(const void* record, std::size_t size) {
  long count = Count(size);
  if (count < 0) return false;
  const off_t at = static_cast<off_t>(count) * static_cast<off_t>(size);
  if (WriteFully(m_fd, record, size, at)) return ::lseek(m_fd, at + static_cast<off_t>(size), SEEK_SET) >= 0;
  // Nobody counts a torn record, but it would shift every later append.
  [[maybe_unused]] int cut = Calls().ftruncate(m_fd, at);
  return false;
}

}  // namespace dorv::data
