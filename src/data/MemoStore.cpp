// The memo files of one entry: N.MMO holds the texts one after another, N.INX an index of
// {offset, length, key} entries sorted by key.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "DatabaseDir.h"
#include "FileCalls.h"
#include "PdbFiles.h"
#include "Rewrite.h"

namespace dorv::data {
namespace {

constexpr off_t kEntrySize = sizeof(MemoIndexEntry);
// How many numbers to skip past files that already exist before giving up.
constexpr int kCreateAttempts = 100;
// Far more memos than one entry ever gets; a larger index is damaged (or a sparse file) and is
// not read, rather than allocated for.
constexpr long kMostIndexEntries = 1L << 20;

std::string MemoName(std::uint32_t number, const char* extension) {
  return "MEMO/" + std::to_string(number) + extension;
}

int CreateExclusive(const std::string& name) {
  auto path = DatabasePath(name);
  if (!path) return -1;
  return Calls().open(path->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
}

void Remove(const std::string& name) {
  if (auto path = DatabasePath(name)) ::unlink(path->c_str());
}

void SortByKey(std::vector<MemoIndexEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const MemoIndexEntry& a, const MemoIndexEntry& b) { return a.key < b.key; });
}

bool SameEntries(const std::vector<MemoIndexEntry>& a, const std::vector<MemoIndexEntry>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(MemoIndexEntry)) == 0);
}

}  // namespace

bool MemoFolderPresent() {
  auto path = DatabasePath("MEMO");
  struct stat info {};
  return path && ::stat(path->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PdbFiles::CreateMemoFiles(MemoCounterStore& store, PdbRecord& record,
                               std::uint32_t& number) {
  if (record.memoFileNumber != 0) {
    number = record.memoFileNumber;
    return true;
  }
  // Without the folder every number taken would be wasted.
  if (!MemoFolderPresent()) return false;
  // A pair that already exists belongs to another entry: never truncate it, take the next number.
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    std::uint32_t candidate = 0;
    if (!GetCounter(store, candidate) || !SetCounter(store, candidate + 1)) return false;
    int data = CreateExclusive(MemoName(candidate, ".MMO"));
    if (data < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    int index = CreateExclusive(MemoName(candidate, ".INX"));
    if (index < 0) {
      bool taken = errno == EEXIST;
      ::close(data);
      Remove(MemoName(candidate, ".MMO"));
      if (taken) continue;
      return false;
    }
    CloseMemoFiles();
    m_memoData.Adopt(data);
    m_memoIndex.Adopt(index);
    m_memoNumber = candidate;
    m_firstMemo = m_lastMemo = 0;
    record.memoFileNumber = candidate;
    number = candidate;
    return true;
  }
  return false;
}

bool PdbFiles::OpenMemoFiles(std::uint32_t number) {
  CloseMemoFiles();
  if (!m_memoData.Open(MemoName(number, ".MMO"), true)) return false;
  if (!m_memoIndex.Open(MemoName(number, ".INX"), true)) {
    CloseMemoFiles();
    return false;
  }
  m_memoNumber = number;
  return true;
}

bool PdbFiles::OpenMemoFilesOf(const PdbRecord& record) {
  return record.memoFileNumber != 0 && OpenMemoFiles(record.memoFileNumber);
}

void PdbFiles::CloseMemoFiles() {
  m_memoData.Close();
  m_memoIndex.Close();
  m_memoNumber = 0;
}

long PdbFiles::ScanIndex() {
  m_memoEntries.clear();
  long count = m_memoIndex.Count(kEntrySize);
  if (count <= 0 || count > kMostIndexEntries) return 0;
  m_memoEntries.resize(count);
  if (!m_memoIndex.ReadAt(0, m_memoEntries.data(), count * sizeof(MemoIndexEntry))) {
    m_memoEntries.clear();
    return 0;
  }
  RememberEnds();
  return count;
}

void PdbFiles::RememberEnds() {
  bool foundOne = false;
  for (long i = 0; i < static_cast<long>(m_memoEntries.size()); ++i) {
    if (IsEmptyMemo(m_memoEntries[i])) continue;
    if (!foundOne) m_firstMemo = i;
    m_lastMemo = i;
    foundOne = true;
  }
}

std::vector<std::uint32_t> PdbFiles::MemoKeys() {
  ScanIndex();
  std::vector<std::uint32_t> keys;
  keys.reserve(m_memoEntries.size());
  for (const MemoIndexEntry& entry : m_memoEntries) keys.push_back(entry.key);
  return keys;
}

bool PdbFiles::ReplaceIndex(const std::vector<MemoIndexEntry>& entries) {
  int fd = ReplaceFile(MemoName(m_memoNumber, ".INX"), entries.data(),
                       entries.size() * sizeof(MemoIndexEntry));
  if (fd < 0) return false;
  m_memoIndex.Adopt(fd);
  m_memoEntries = entries;
  RememberEnds();
  return true;
}

bool PdbFiles::SortIndex() {
  long count = ScanIndex();
  if (count < 2) return true;
  std::vector<MemoIndexEntry> sorted = m_memoEntries;
  SortByKey(sorted);
  // The sorted index is written whole beside the old one, so a failure loses no entry.
  return SameEntries(sorted, m_memoEntries) || ReplaceIndex(sorted);
}

bool PdbFiles::AddMemo(const std::string& text, std::uint32_t key) {
  if (!m_memoData.IsOpen() || !m_memoIndex.IsOpen()) return false;
  struct stat info {};
  if (::fstat(m_memoData.Descriptor(), &info) != 0) return false;
  const off_t end = info.st_size;
  // An index that cannot be read whole must not be replaced by one holding only the new entry.
  long count = m_memoIndex.Count(kEntrySize);
  if (count < 0 || count > kMostIndexEntries || ScanIndex() != count) return false;
  std::vector<MemoIndexEntry> entries = m_memoEntries;
  entries.push_back({static_cast<std::uint32_t>(end), static_cast<std::uint32_t>(text.size()), key});
  SortByKey(entries);
  if (WriteFully(m_memoData.Descriptor(), text.data(), text.size(), end) && ReplaceIndex(entries))
    return true;
  // Nothing refers to the text written: keep the data file as it was.
  [[maybe_unused]] int cut = Calls().ftruncate(m_memoData.Descriptor(), end);
  return false;
}

bool PdbFiles::ReadMemoText(const MemoIndexEntry& entry, std::string& text) {
  // A damaged entry must not make us allocate for a text the data file cannot hold.
  struct stat info {};
  if (::fstat(m_memoData.Descriptor(), &info) != 0 ||
      static_cast<off_t>(entry.offset) + static_cast<off_t>(entry.length) > info.st_size)
    return false;
  text.assign(entry.length, '\0');
  if (entry.length > 0 && !m_memoData.ReadAt(entry.offset, text.data(), entry.length)) return false;
  // A text is taken up to its first NUL, as stored texts never hold one.
  text.resize(std::char_traits<char>::length(text.c_str()));
  return true;
}

bool PdbFiles::ReadMemoAt(long position, std::string& text, bool& isFirst, bool& isLast,
                          std::uint32_t& key) {
  if (!m_memoData.IsOpen() || !m_memoIndex.IsOpen() || position < 0) return false;
  MemoIndexEntry entry{};
  if (!m_memoIndex.ReadAt(position * kEntrySize, &entry, sizeof entry)) return false;
  if (!ReadMemoText(entry, text)) return false;
  if (position == m_firstMemo) isFirst = true;
  if (position == m_lastMemo) isLast = true;
  key = entry.key;
  return true;
}

bool PdbFiles::ReadMemoByKey(std::uint32_t key, std::string& text) {
  if (!m_memoData.IsOpen() || ScanIndex() == 0) return false;
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
    std::vector<MemoIndexEntry> entries = m_memoEntries;
    entries[i] = MemoIndexEntry{};
    SortByKey(entries);
    ok = ReplaceIndex(entries);
    break;
  }
  CloseMemoFiles();
  return ok;
}

}  // namespace dorv::data
