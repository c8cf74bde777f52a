#include "Rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "DatabaseDir.h"

namespace dorv::data {
namespace {

constexpr const char* kScratchName = "~PTEMP~.DAT";

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  bool CloseNow() {
    int result = ::close(fd);
    fd = -1;
    return result == 0;
  }
};

bool CopyKept(int from, int to, std::size_t recordSize, const KeepRecord& keep) {
  struct stat info {};
  if (::fstat(from, &info) != 0) return false;
  long count = static_cast<long>(info.st_size / static_cast<off_t>(recordSize));
  std::vector<unsigned char> record(recordSize);
  for (long i = 0; i < count; ++i) {
    if (::read(from, record.data(), recordSize) != static_cast<ssize_t>(recordSize)) return false;
    if (!keep(record.data(), i)) continue;
    if (::write(to, record.data(), recordSize) != static_cast<ssize_t>(recordSize)) return false;
  }
  return true;
}

// Makes the rename itself durable.
void SyncDirectoryOf(const std::string& path) {
  std::string dir = path.substr(0, path.find_last_of('/'));
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool RewriteFile(const std::string& relativeName, std::size_t recordSize, const KeepRecord& keep) {
  if (recordSize == 0) return false;
  auto scratchPath = DatabasePath(kScratchName);
  auto targetPath = DatabasePath(relativeName);
  if (!scratchPath || !targetPath) return false;

  Descriptor scratch{::open(scratchPath->c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
  if (scratch.fd < 0) return false;
  Descriptor target{::open(targetPath->c_str(), O_RDONLY | O_CLOEXEC)};
  bool copied = target.fd >= 0 && CopyKept(target.fd, scratch.fd, recordSize, keep) &&
                ::fsync(scratch.fd) == 0;
  copied = scratch.CloseNow() && copied;
  if (target.fd >= 0) target.CloseNow();
  if (!copied || std::rename(scratchPath->c_str(), targetPath->c_str()) != 0) {
    ::unlink(scratchPath->c_str());
    return false;
  }
  SyncDirectoryOf(*targetPath);
  return true;
}

}  // namespace dorv::data
