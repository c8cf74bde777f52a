#include "Rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// Reads and writes whole blocks of records: a month of calls is tens of megabytes.
constexpr long kRecordsPerBlock = 512;

bool ReadFully(int fd, unsigned char* data, std::size_t size) {
  while (size > 0) {
    ssize_t got = ::read(fd, data, size);
    if (got <= 0) return false;
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

bool WriteFully(const RewriteCalls& calls, int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    ssize_t put = calls.write(fd, data, size);
    if (put <= 0) return false;
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

bool CopyKept(int from, int to, std::size_t recordSize, const KeepRecord& keep,
              const RewriteCalls& calls) {
  struct stat info {};
  if (::fstat(from, &info) != 0) return false;
  long count = static_cast<long>(info.st_size / static_cast<off_t>(recordSize));
  std::vector<unsigned char> block(recordSize * kRecordsPerBlock);
  for (long first = 0; first < count; first += kRecordsPerBlock) {
    long inBlock = std::min(kRecordsPerBlock, count - first);
    if (!ReadFully(from, block.data(), recordSize * inBlock)) return false;
    // Kept records move down over dropped ones, so the block goes out in one write.
    std::size_t keptBytes = 0;
    for (long i = 0; i < inBlock; ++i) {
      unsigned char* record = block.data() + recordSize * i;
      if (!keep(record, first + i)) continue;
      if (block.data() + keptBytes != record) std::memmove(block.data() + keptBytes, record, recordSize);
      keptBytes += recordSize;
    }
    if (!WriteFully(calls, to, block.data(), keptBytes)) return false;
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

bool RewriteFile(const std::string& relativeName, std::size_t recordSize, const KeepRecord& keep,
                 const RewriteCalls& calls) {
  if (recordSize == 0) return false;
  auto scratchPath = DatabasePath(kScratchName);
  auto targetPath = DatabasePath(relativeName);
  if (!scratchPath || !targetPath) return false;

  Descriptor scratch{::open(scratchPath->c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
  if (scratch.fd < 0) return false;
  Descriptor target{::open(targetPath->c_str(), O_RDONLY | O_CLOEXEC)};
  bool copied = target.fd >= 0 && CopyKept(target.fd, scratch.fd, recordSize, keep, calls) &&
                calls.fsync(scratch.fd) == 0;
  copied = scratch.CloseNow() && copied;
  if (target.fd >= 0) target.CloseNow();
  if (!copied || calls.rename(scratchPath->c_str(), targetPath->c_str()) != 0) {
    ::unlink(scratchPath->c_str());
    return false;
  }
  SyncDirectoryOf(*targetPath);
  return true;
}

}  // namespace dorv::data
