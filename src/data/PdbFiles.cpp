#include "PdbFiles.h"

#include <cstring>

namespace dorv::data {
namespace {

constexpr const char* kBookNames[3] = {"DORV21", "DORV22", "DORV23"};
constexpr long long kRecordSize = sizeof(PdbRecord);

}  // namespace

const char* BookFileName(PdbKind kind) {
  int k = static_cast<int>(kind);
  return (k >= 1 && k <= 3) ? kBookNames[k - 1] : nullptr;
}

PdbFiles::~PdbFiles() { Close(); }

bool PdbFiles::Open() {
  Close();
  bool created = false;
  // Only a missing Toll book is made; one that cannot be opened for another reason is kept.
  if (!m_books[0].OpenOrCreate(kBookNames[0], created)) return false;
  for (int i = 1; i < 3; ++i) {
    if (!m_books[i].Open(kBookNames[i], true)) {
      Close();
      return false;
    }
  }
  return true;
}

bool PdbFiles::OpenReadOnly() {
  Close();
  for (int i = 0; i < 3; ++i) {
    if (!m_books[i].Open(kBookNames[i], false)) {
      Close();
      return false;
    }
  }
  return true;
}

bool PdbFiles::Close() {
  CloseMemoFiles();
  for (RecordFile& book : m_books) book.Close();
  return true;
}

RecordFile* PdbFiles::BookOf(PdbKind kind) {
  int k = static_cast<int>(kind);
  return (k >= 1 && k <= 3 && m_books[k - 1].IsOpen()) ? &m_books[k - 1] : nullptr;
}

bool PdbFiles::Unscramble(bool read, PdbRecord& record, PdbFields fields) {
  if (!read) return false;
  if (fields == PdbFields::Listed)
    UnscrambleListedFields(record);
  else
    ScrambleRecord(record, true);
  return true;
}

bool PdbFiles::ReadAt(long index, PdbRecord& record, PdbKind kind, PdbFields fields) {
  ClearRecord(record);
  RecordFile* book = BookOf(kind);
  if (!book || index < 0) return false;
  return Unscramble(book->ReadAt(index * kRecordSize, &record, sizeof record), record, fields);
}

bool PdbFiles::ReadNext(PdbRecord& record, PdbKind kind, PdbFields fields) {
  ClearRecord(record);
  RecordFile* book = BookOf(kind);
  if (!book) return false;
  return Unscramble(book->ReadHere(&record, sizeof record), record, fields);
}

bool PdbFiles::ReadRecords(long index, long count, PdbRecord* records, PdbKind kind,
                           PdbFields fields) {
  RecordFile* book = BookOf(kind);
  if (!book || index < 0 || count < 0) return false;
  if (!book->ReadAt(index * kRecordSize, records, static_cast<std::size_t>(count) * sizeof *records))
    return false;
  for (long i = 0; i < count; ++i) Unscramble(true, records[i], fields);
  return true;
}

const PdbRecord& PdbFiles::Prepared(const PdbRecord& record) {
  std::memset(&m_work, 0, sizeof m_work);
  CopyRecord(m_work, record);
  ScrambleRecord(m_work, false);
  return m_work;
}

bool PdbFiles::WriteAt(long index, const PdbRecord& record, PdbKind kind) {
  RecordFile* book = BookOf(kind);
  if (!book || index < 0) return false;
  return book->WriteAt(index * kRecordSize, &Prepared(record), sizeof m_work);
}

bool PdbFiles::Append(PdbRecord& record, PdbKind kind) {
  RecordFile* book = BookOf(kind);
  if (!book) return false;
  record.active = 1;
  return book->Append(&Prepared(record), sizeof m_work);
}

bool PdbFiles::SetDeleted(long index, bool deleted, PdbKind kind) {
  RecordFile* book = BookOf(kind);
  if (!book || index < 0 || index >= book->Count(sizeof(PdbRecord))) return false;
  // `active` is stored plain: only its four bytes change, the rest of the entry stays as stored.
  std::uint32_t active = 0;
  const long long at = index * kRecordSize + offsetof(PdbRecord, active);
  if (!book->ReadAt(at, &active, sizeof active)) return false;
  active = deleted ? 0 : 1;
  return book->WriteAt(at, &active, sizeof active) && book->SeekTo((index + 1) * kRecordSize);
}

long PdbFiles::Count(PdbKind kind) {
  RecordFile* book = BookOf(kind);
  return book ? book->Count(sizeof(PdbRecord)) : -1;
}

}  // namespace dorv::data
