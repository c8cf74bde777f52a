// The memo files of one entry: N.MMO holds the texts one after another, N.INX an index of
// {offset, length, key} entries sorted by key.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>

#include "DatabaseDir.h"
#include "PdbFiles.h"

namespace dorv::data {
namespace {

constexpr off_t kEntrySize = sizeof(MemoIndexEntry);
// How many numbers to skip past files that already exist before giving up.
constexpr int kCreateAttempts = 100;

std::optional<std::string> MemoPath(std::uint32_t number, const char* extension) {
  return DatabasePath("MEMO/" + std::to_string(number) + extension);
}

int OpenMemoFile(std::uint32_t number, const char* extension, int flags) {
  auto path = MemoPath(number, extension);
  if (!path) return -1;
  return ::open(path->c_str(), flags | O_RDWR | O_CLOEXEC, 0600);
}

bool WriteAll(int fd, const void* data, std::size_t size, off_t at) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t put = ::pwrite(fd, bytes, size, at);
    if (put <= 0) return false;
    bytes += put;
    size -= static_cast<std::size_t>(put);
    at += put;
  }
  return true;
}

}  // namespace

bool PdbFiles::CreateMemoFiles(MemoCounterStore& store, PdbRecord& record,
                               std::uint32_t& number) {
  if (record.memoFileNumber != 0) {
    number = record.memoFileNumber;
    return true;
  }
  // A pair that already exists belongs to another entry: never truncate it, take the next number.
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    std::uint32_t candidate = 0;
    if (!GetCounter(store, candidate) || !SetCounter(store, candidate + 1)) return false;
    int data = OpenMemoFile(candidate, ".MMO", O_CREAT | O_EXCL);
    if (data < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    int index = OpenMemoFile(candidate, ".INX", O_CREAT | O_EXCL);
    if (index < 0) {
      bool taken = errno == EEXIST;
      ::close(data);
      if (auto path = MemoPath(candidate, ".MMO")) ::unlink(path->c_str());
      if (taken) continue;
      return false;
    }
    CloseMemoFiles();
    m_memoData = data;
    m_memoIndex = index;
    m_firstMemo = m_lastMemo = 0;
    record.memoFileNumber = candidate;
    number = candidate;
    return true;
  }
  return false;
}

bool PdbFiles::OpenMemoFiles(std::uint32_t number) {
  CloseMemoFiles();
  m_memoData = OpenMemoFile(number, ".MMO", 0);
  if (m_memoData < 0) return false;
  m_memoIndex = OpenMemoFile(number, ".INX", 0);
  if (m_memoIndex < 0) {
    CloseMemoFiles();
    return false;
  }
  return true;
}

bool PdbFiles::OpenMemoFilesOf(const PdbRecord& record) {
  return record.memoFileNumber != 0 && OpenMemoFiles(record.memoFileNumber);
}

void PdbFiles::CloseMemoFiles() {
  if (m_memoData >= 0) ::close(m_memoData);
  if (m_memoIndex >= 0) ::close(m_memoIndex);
  m_memoData = m_memoIndex = -1;
}

long PdbFiles::ScanIndex() {
  m_memoEntries.clear();
  struct stat info {};
  if (m_memoIndex < 0 || ::fstat(m_memoIndex, &info) != 0) return 0;
  long count = static_cast<long>(info.st_size / kEntrySize);
  m_memoEntries.resize(count);
  std::size_t bytes = count * sizeof(MemoIndexEntry);
  if (bytes > 0 && ::pread(m_memoIndex, m_memoEntries.data(), bytes, 0) != static_cast<ssize_t>(bytes)) {
    m_memoEntries.clear();
    return 0;
  }
  bool foundOne = false;
  for (long i = 0; i < count; ++i) {
    if (IsEmptyMemo(m_memoEntries[i])) continue;
    if (!foundOne) m_firstMemo = i;
    m_lastMemo = i;
    foundOne = true;
  }
  return count;
}

bool PdbFiles::SortIndex() {
  long count = ScanIndex();
  if (count < 2) return true;
  std::vector<MemoIndexEntry> sorted = m_memoEntries;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const MemoIndexEntry& a, const MemoIndexEntry& b) { return a.key < b.key; });
  // Only the span between the first and the last moved entry goes back to the disk.
  auto moved = [](const MemoIndexEntry& a, const MemoIndexEntry& b) {
    return a.offset != b.offset || a.length != b.length || a.key != b.key;
  };
  long first = 0;
  while (first < count && !moved(sorted[first], m_memoEntries[first])) ++first;
  if (first == count) return true;
  long last = count - 1;
  while (!moved(sorted[last], m_memoEntries[last])) --last;
  if (!WriteAll(m_memoIndex, &sorted[first], (last - first + 1) * sizeof(MemoIndexEntry),
                first * kEntrySize))
    return false;
  m_memoEntries = std::move(sorted);
  return true;
}

bool PdbFiles::AddMemo(const std::string& text, std::uint32_t key) {
  if (m_memoData < 0 || m_memoIndex < 0) return false;
  off_t end = ::lseek(m_memoData, 0, SEEK_END);
  if (end < 0) return false;
  MemoIndexEntry entry{static_cast<std::uint32_t>(end), static_cast<std::uint32_t>(text.size()),
                       key};
  if (!WriteAll(m_memoData, text.data(), text.size(), end)) {
    // Nothing refers to the torn text; keep the data file as it was.
    [[maybe_unused]] int undone = ::ftruncate(m_memoData, end);
    return false;
  }
  // The new entry goes behind the last whole entry, over a torn tail if there is one.
  struct stat info {};
  if (::fstat(m_memoIndex, &info) != 0) return false;
  off_t at = info.st_size / kEntrySize * kEntrySize;
  if (!WriteAll(m_memoIndex, &entry, sizeof entry, at)) return false;
  return SortIndex();
}

bool PdbFiles::ReadMemoText(const MemoIndexEntry& entry, std::string& text) {
  // A damaged entry must not make us allocate for a text the data file cannot hold.
  struct stat info {};
  if (::fstat(m_memoData, &info) != 0 ||
      static_cast<off_t>(entry.offset) + static_cast<off_t>(entry.length) > info.st_size)
    return false;
  text.assign(entry.length, '\0');
  if (entry.length > 0 &&
      ::pread(m_memoData, text.data(), entry.length, entry.offset) !=
          static_cast<ssize_t>(entry.length))
    return false;
  // A text is taken up to its first NUL, as stored texts never hold one.
  text.resize(std::char_traits<char>::length(text.c_str()));
  return true;
}

bool PdbFiles::ReadMemoAt(long position, std::string& text, bool& isFirst, bool& isLast,
                          std::uint32_t& key) {
  if (m_memoData < 0 || m_memoIndex < 0 || position < 0) return false;
  MemoIndexEntry entry{};
  if (::pread(m_memoIndex, &entry, sizeof entry, position * kEntrySize) !=
      static_cast<ssize_t>(sizeof entry))
    return false;
  if (!ReadMemoText(entry, text)) return false;
  if (position == m_firstMemo) isFirst = true;
  if (position == m_lastMemo) isLast = true;
  key = entry.key;
  return true;
}

bool PdbFiles::ReadMemoByKey(std::uint32_t key, std::string& text) {
  if (m_memoData < 0 || ScanIndex() == 0) return false;
  for (const MemoIndexEntry& entry : m_memoEntries)
    if (entry.key == key) return ReadMemoText(entry, text);
  return false;
}

bool PdbFiles::DeleteMemoByKey(std::uint32_t key, std::uint32_t number) {
  if (!OpenMemoFiles(number)) return false;
  bool ok = false;
  long count = ScanIndex();
  for (long i = 0; i < count; ++i) {
    if (m_memoEntries[i].key != key) continue;
    MemoIndexEntry cleared{};
    ok = WriteAll(m_memoIndex, &cleared, sizeof cleared, i * kEntrySize) && SortIndex();
    break;
  }
  CloseMemoFiles();
  return ok;
}

}  // namespace dorv::data
