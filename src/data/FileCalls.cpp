#include "FileCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace dorv::data {
namespace {

int SystemOpen(const char* path, int flags, mode_t mode) {
  int fd;
  do fd = ::open(path, flags, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

const FileCalls kSystemCalls{SystemOpen, ::pwrite, ::fsync, std::rename, ::ftruncate};
FileCalls g_calls = kSystemCalls;

}  // namespace

FileCalls& Calls() { return g_calls; }
const FileCalls& SystemFileCalls() { return kSystemCalls; }

bool WriteFully(int fd, const void* data, std::size_t size, off_t at) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t put = Calls().pwrite(fd, bytes, size, at);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes += put;
    size -= static_cast<std::size_t>(put);
    at += put;
  }
  return true;
}

bool ReadFully(int fd, void* data, std::size_t size, off_t at) {
  char* bytes = static_cast<char*>(data);
  while (size > 0) {
    ssize_t got = ::pread(fd, bytes, size, at);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<std::size_t>(got);
    at += got;
  }
  return true;
}

}  // namespace dorv::data
