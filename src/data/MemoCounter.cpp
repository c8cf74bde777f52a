// The memo file counter: one copy in the settings store, one in DATABASE/DORV98.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "DatabaseDir.h"
#include "PdbFiles.h"

namespace dorv::data {
namespace {

constexpr const char* kCounterFile = "DORV98";

int OpenCounterFile(bool create) {
  auto path = DatabasePath(kCounterFile);
  if (!path) return -1;
  return ::open(path->c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
}

bool ReadCounterFile(int fd, std::uint32_t& value) {
  return ::pread(fd, &value, sizeof value, 0) == static_cast<ssize_t>(sizeof value);
}

bool WriteCounterFile(int fd, std::uint32_t value) {
  return ::pwrite(fd, &value, sizeof value, 0) == static_cast<ssize_t>(sizeof value) &&
         ::fsync(fd) == 0;
}

// Number 0 means "no memo files" in an entry, so no copy may ever hand it out.
std::uint32_t AtLeastOne(std::uint32_t value) { return value == 0 ? 1 : value; }

}  // namespace

bool PdbFiles::SyncCounter(MemoCounterStore& store) {
  bool created = false;
  if (!store.OpenPlace(created)) return false;
  std::uint32_t stored = 1;
  if (created || !store.ReadValue(stored)) stored = 1;
  int fd = OpenCounterFile(true);
  if (fd < 0) return false;
  std::uint32_t inFile = 1;
  if (!ReadCounterFile(fd, inFile)) inFile = 1;
  std::uint32_t counter = AtLeastOne(std::max(stored, inFile));
  bool ok = store.WriteValue(counter) && WriteCounterFile(fd, counter);
  ::close(fd);
  return ok;
}

bool PdbFiles::GetCounter(MemoCounterStore& store, std::uint32_t& number) {
  bool created = false;
  if (!store.OpenPlace(created)) return false;
  if (created) {
    int fd = OpenCounterFile(false);
    if (fd < 0) return false;
    bool ok = ReadCounterFile(fd, number);
    ::close(fd);
    if (ok) number = AtLeastOne(number);
    return ok;
  }
  if (store.ReadValue(number)) {
    number = AtLeastOne(number);
    return true;
  }
  number = 1;
  return store.WriteValue(1);
}

bool PdbFiles::SetCounter(MemoCounterStore& store, std::uint32_t number) {
  if (!store.WriteValue(number)) return false;
  int fd = OpenCounterFile(true);
  if (fd < 0) return false;
  bool ok = WriteCounterFile(fd, number);
  ::close(fd);
  return ok;
}

}  // namespace dorv::data
