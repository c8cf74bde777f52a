#include "PdbFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "DatabaseDir.h"

namespace dorv::data {
namespace {

constexpr const char* kBookNames[3] = {"DORV21", "DORV22", "DORV23"};
constexpr off_t kRecordSize = sizeof(PdbRecord);

int OpenExisting(const char* name) {
  auto path = DatabasePath(name);
  if (!path) return -1;
  return ::open(path->c_str(), O_RDWR | O_CLOEXEC);
}

int OpenOrCreate(const char* name) {
  int fd = OpenExisting(name);
  if (fd >= 0) return fd;
  auto path = DatabasePath(name);
  if (!path) return -1;
  return ::open(path->c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
}

}  // namespace

const char* BookFileName(PdbKind kind) {
  int k = static_cast<int>(kind);
  return (k >= 1 && k <= 3) ? kBookNames[k - 1] : nullptr;
}

PdbFiles::~PdbFiles() { Close(); }

bool PdbFiles::Open() {
  Close();
  m_handles[0] = OpenOrCreate(kBookNames[0]);
  if (m_handles[0] < 0) return false;
  for (int i = 1; i < 3; ++i) {
    m_handles[i] = OpenExisting(kBookNames[i]);
    if (m_handles[i] < 0) {
      Close();
      return false;
    }
  }
  return true;
}

bool PdbFiles::Close() {
  CloseMemoFiles();
  for (int& fd : m_handles) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  return true;
}

int PdbFiles::HandleOf(PdbKind kind) const {
  int k = static_cast<int>(kind);
  return (k >= 1 && k <= 3) ? m_handles[k - 1] : -1;
}

bool PdbFiles::ReadHere(int fd, PdbRecord& record) {
  ClearRecord(record);
  if (::read(fd, &record, sizeof record) != static_cast<ssize_t>(sizeof record)) return false;
  ScrambleRecord(record, true);
  return true;
}

bool PdbFiles::ReadAt(long index, PdbRecord& record, PdbKind kind) {
  int fd = HandleOf(kind);
  if (fd < 0 || index < 0) return false;
  if (::lseek(fd, index * kRecordSize, SEEK_SET) < 0) return false;
  return ReadHere(fd, record);
}

bool PdbFiles::ReadNext(PdbRecord& record, PdbKind kind) {
  int fd = HandleOf(kind);
  if (fd < 0) return false;
  return ReadHere(fd, record);
}

bool PdbFiles::PrepareAndWrite(int fd, const PdbRecord& record) {
  std::memset(&m_work, 0, sizeof m_work);
  CopyRecord(m_work, record);
  ScrambleRecord(m_work, false);
  return ::write(fd, &m_work, sizeof m_work) == static_cast<ssize_t>(sizeof m_work);
}

bool PdbFiles::WriteAt(long index, const PdbRecord& record, PdbKind kind) {
  int fd = HandleOf(kind);
  if (fd < 0 || index < 0) return false;
  if (::lseek(fd, index * kRecordSize, SEEK_SET) < 0) return false;
  return PrepareAndWrite(fd, record);
}

bool PdbFiles::Append(PdbRecord& record, PdbKind kind) {
  int fd = HandleOf(kind);
  if (fd < 0) return false;
  record.active = 1;
  off_t oldLength = ::lseek(fd, 0, SEEK_END);
  if (oldLength < 0) return false;
  if (PrepareAndWrite(fd, record)) return true;
  // A torn tail record would be counted by nobody but would shift every later append.
  if (::ftruncate(fd, oldLength) == 0) ::lseek(fd, oldLength, SEEK_SET);
  return false;
}

bool PdbFiles::SetDeleted(long index, bool deleted, PdbKind kind) {
  int fd = HandleOf(kind);
  if (fd < 0 || index < 0) return false;
  PdbRecord raw;
  if (::pread(fd, &raw, sizeof raw, index * kRecordSize) != static_cast<ssize_t>(sizeof raw))
    return false;
  raw.active = deleted ? 0 : 1;
  if (::pwrite(fd, &raw, sizeof raw, index * kRecordSize) != static_cast<ssize_t>(sizeof raw))
    return false;
  return ::lseek(fd, (index + 1) * kRecordSize, SEEK_SET) >= 0;
}

long PdbFiles::Count(PdbKind kind) {
  int fd = HandleOf(kind);
  if (fd < 0) return -1;
  off_t here = ::lseek(fd, 0, SEEK_CUR);
  off_t end = ::lseek(fd, 0, SEEK_END);
  if (end < 0) return -1;
  if (here >= 0) ::lseek(fd, here, SEEK_SET);
  return static_cast<long>(end / kRecordSize);
}

}  // namespace dorv::data
