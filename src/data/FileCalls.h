#pragma once
#include <sys/types.h>

#include <cstddef>

namespace dorv::data {

// The system calls through which every data file is opened, written, flushed, renamed or cut.
// They are looked up at each use, so a test can put in calls that fail on purpose and check
// that the user's files survive.
struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*pwrite)(int fd, const void* data, std::size_t size, off_t at);
  int (*fsync)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*ftruncate)(int fd, off_t length);
};

// The calls in use: the system's own unless a test has swapped them.
FileCalls& Calls();
// The system's own calls.
const FileCalls& SystemFileCalls();

// Writes all size bytes at the given position, going on after short writes; false on an error.
bool WriteFully(int fd, const void* data, std::size_t size, off_t at);
// Reads exactly size bytes at the given position; false on an error or at the end of the file.
bool ReadFully(int fd, void* data, std::size_t size, off_t at);

}  // namespace dorv::data
