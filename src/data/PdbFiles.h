#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "MemoCounter.h"
#include "PdbRecord.h"
#include "RecordFile.h"

namespace dorv::data {

// The file name of a book below DATABASE/; null for a value that is no book.
const char* BookFileName(PdbKind kind);

// Whether DATABASE/MEMO/ exists: without it no entry can be given memo files.
bool MemoFolderPresent();

// The three personal database books, open for the program's whole run, and the memo files
// of one entry at a time. Every operation reports success by its result and shows nothing.
class PdbFiles {
 public:
  PdbFiles() = default;
  ~PdbFiles();
  PdbFiles(const PdbFiles&) = delete;
  PdbFiles& operator=(const PdbFiles&) = delete;

  // Opens Toll (created empty when missing), Toll Free and AudioTex, in that order.
  bool Open();
  // Opens the three books for reading only; none is created.
  bool OpenReadOnly();
  bool Close();
  bool IsOpen() const { return m_books[0].IsOpen(); }

  bool ReadAt(long index, PdbRecord& record, PdbKind kind, PdbFields fields = PdbFields::All);
  bool ReadNext(PdbRecord& record, PdbKind kind, PdbFields fields = PdbFields::All);
  // Reads `count` records from the index on into `records`, each as ReadAt reads it, in one
  // system call; false when any of them cannot be read whole.
  bool ReadRecords(long index, long count, PdbRecord* records, PdbKind kind,
                   PdbFields fields = PdbFields::All);
  bool WriteAt(long index, const PdbRecord& record, PdbKind kind);
  // Sets record.active to 1 and adds it at the end; a failed write leaves the book as it was.
  bool Append(PdbRecord& record, PdbKind kind);
  bool SetDeleted(long index, bool deleted, PdbKind kind);
  long Count(PdbKind kind);

  // The memo file counter, kept both in the store and in DORV98; the larger one wins.
  bool SyncCounter(MemoCounterStore& store);
  bool GetCounter(MemoCounterStore& store, std::uint32_t& number);
  bool SetCounter(MemoCounterStore& store, std::uint32_t number);

  // Gives an entry without memo files a new pair, left open; the caller writes the entry back.
  bool CreateMemoFiles(MemoCounterStore& store, PdbRecord& record, std::uint32_t& number);
  bool OpenMemoFiles(std::uint32_t number);
  bool OpenMemoFilesOf(const PdbRecord& record);
  void CloseMemoFiles();
  // Number of index entries; remembers the first and last non-empty ones.
  long ScanIndex();
  // The keys of every index entry of the open memo files, in index order (0 for empty ones).
  std::vector<std::uint32_t> MemoKeys();
  bool AddMemo(const std::string& text, std::uint32_t key);
  bool ReadMemoAt(long position, std::string& text, bool& isFirst, bool& isLast,
                  std::uint32_t& key);
  bool ReadMemoByKey(std::uint32_t key, std::string& text);
  bool DeleteMemoByKey(std::uint32_t key, std::uint32_t number);
  // Orders the index by key, keeping entries of equal keys in their order.
  bool SortIndex();

 private:
  RecordFile* BookOf(PdbKind kind);
  bool Unscramble(bool read, PdbRecord& record, PdbFields fields);
  const PdbRecord& Prepared(const PdbRecord& record);
  // Puts a new index in the place of the open one, through the scratch file.
  bool ReplaceIndex(const std::vector<MemoIndexEntry>& entries);
  // The first and last non-empty entries of m_memoEntries.
  void RememberEnds();

  bool ReadMemoText(const MemoIndexEntry& entry, std::string& text);

  RecordFile m_books[3];
  PdbRecord m_work{};
  RecordFile m_memoData;
  RecordFile m_memoIndex;
  std::uint32_t m_memoNumber = 0;
  std::vector<MemoIndexEntry> m_memoEntries;  // as read by the last scan
  long m_firstMemo = 0;
  long m_lastMemo = 0;
};

}  // namespace dorv::data
