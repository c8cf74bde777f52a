// The memo file counter: one copy in the settings store, one in DATABASE/DORV98.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "DatabaseDir.h"
#include "FileCalls.h"
#include "PdbFiles.h"
#include "Rewrite.h"

namespace dorv::data {
namespace {

constexpr const char* kCounterFile = "DORV98";

enum class CounterFile { Read, Missing, Unreadable };

// The number in DORV98. A file too short to hold one counts as missing.
CounterFile ReadCounterFile(std::uint32_t& value) {
  auto path = DatabasePath(kCounterFile);
  if (!path) return CounterFile::Unreadable;
  int fd = Calls().open(path->c_str(), O_RDONLY | O_CLOEXEC, 0);
  if (fd < 0) return errno == ENOENT ? CounterFile::Missing : CounterFile::Unreadable;
  off_t length = ::lseek(fd, 0, SEEK_END);
  bool ok = length >= 0 && (length < static_cast<off_t>(sizeof value) || ReadFully(fd, &value, sizeof value, 0));
  ::close(fd);
  if (!ok) return CounterFile::Unreadable;
  return length < static_cast<off_t>(sizeof value) ? CounterFile::Missing : CounterFile::Read;
}

// The file is replaced whole, so a failed write never leaves a torn, smaller number behind.
bool WriteCounterFile(std::uint32_t value) {
  int fd = ReplaceFile(kCounterFile, &value, sizeof value);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

// Number 0 means "no memo files" in an entry, so no copy may ever hand it out.
std::uint32_t AtLeastOne(std::uint32_t value) { return value == 0 ? 1 : value; }

}  // namespace

bool PdbFiles::SyncCounter(MemoCounterStore& store) {
  bool created = false;
  if (!store.OpenPlace(created)) return false;
  std::uint32_t stored = 1;
  if (created || !store.ReadValue(stored)) stored = 1;
  std::uint32_t inFile = 1;
  // A counter that is there but cannot be read must not be overwritten with a smaller one.
  CounterFile read = ReadCounterFile(inFile);
  if (read == CounterFile::Unreadable) return false;
  if (read == CounterFile::Missing) inFile = 1;
  std::uint32_t counter = AtLeastOne(std::max(stored, inFile));
  return store.WriteValue(counter) && WriteCounterFile(counter);
}

bool PdbFiles::GetCounter(MemoCounterStore& store, std::uint32_t& number) {
  bool created = false;
  if (!store.OpenPlace(created)) return false;
  if (created) {
    if (ReadCounterFile(number) != CounterFile::Read) return false;
    number = AtLeastOne(number);
    return true;
  }
  if (store.ReadValue(number)) {
    number = AtLeastOne(number);
    return true;
  }
  number = 1;
  return store.WriteValue(1);
}

bool PdbFiles::SetCounter(MemoCounterStore& store, std::uint32_t number) {
  return store.WriteValue(number) && WriteCounterFile(number);
}

}  // namespace dorv::data
