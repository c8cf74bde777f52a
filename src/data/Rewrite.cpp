#include "Rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>
#include <cstring>
#include <vector>

#include "DatabaseDir.h"
#include "FileCalls.h"

namespace dorv::data {
namespace {

constexpr const char* kScratchName = "~PTEMP~.DAT";

// Closes a descriptor when it goes out of scope unless it was handed on.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  int Release() { return std::exchange(fd, -1); }
};

// Reads and writes whole blocks of records: a month of calls is tens of megabytes.
constexpr long kRecordsPerBlock = 512;

bool CopyKept(int from, int to, std::size_t recordSize, const KeepRecord& keep) {
  struct stat info {};
  if (::fstat(from, &info) != 0) return false;
  long count = static_cast<long>(info.st_size / static_cast<off_t>(recordSize));
  std::vector<unsigned char> block(recordSize * kRecordsPerBlock);
  off_t written = 0;
  for (long first = 0; first < count; first += kRecordsPerBlock) {
    long inBlock = std::min(kRecordsPerBlock, count - first);
    if (!ReadFully(from, block.data(), recordSize * inBlock, static_cast<off_t>(first * recordSize)))
      return false;
    // Kept records move down over dropped ones, so the block goes out in one write.
    std::size_t keptBytes = 0;
    for (long i = 0; i < inBlock; ++i) {
      unsigned char* record = block.data() + recordSize * i;
      if (!keep(record, first + i)) continue;
      if (block.data() + keptBytes != record) std::memmove(block.data() + keptBytes, record, recordSize);
      keptBytes += recordSize;
    }
    if (!WriteFully(to, block.data(), keptBytes, written)) return false;
    written += static_cast<off_t>(keptBytes);
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

// Writes the scratch file with fill, flushes it and renames it over the target. Gives the scratch
// file's descriptor, which then is the target's, or -1 with no scratch file left.
int ThroughScratch(const std::string& relativeName, const std::function<bool(int)>& fill) {
  auto scratchPath = DatabasePath(kScratchName);
  auto targetPath = DatabasePath(relativeName);
  if (!scratchPath || !targetPath) return -1;
  Descriptor scratch{Calls().open(scratchPath->c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
  if (scratch.fd < 0) return -1;
  if (!fill(scratch.fd) || Calls().fsync(scratch.fd) != 0 ||
      Calls().rename(scratchPath->c_str(), targetPath->c_str()) != 0) {
    ::unlink(scratchPath->c_str());
    return -1;
  }
  SyncDirectoryOf(*targetPath);
  return scratch.Release();
}

}  // namespace

bool RewriteFile(const std::string& relativeName, std::size_t recordSize, const KeepRecord& keep) {
  if (recordSize == 0) return false;
  auto targetPath = DatabasePath(relativeName);
  if (!targetPath) return false;
  Descriptor target{Calls().open(targetPath->c_str(), O_RDONLY | O_CLOEXEC, 0)};
  if (target.fd < 0) return false;
  Descriptor result{ThroughScratch(relativeName, [&](int scratch) {
    return CopyKept(target.fd, scratch, recordSize, keep);
  })};
  return result.fd >= 0;
}

int ReplaceFile(const std::string& relativeName, const void* data, std::size_t size) {
  return ThroughScratch(relativeName, [&](int scratch) { return WriteFully(scratch, data, size, 0); });
}

}  // namespace dorv::data
