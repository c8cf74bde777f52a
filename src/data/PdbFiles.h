#pragma once
#include "PdbRecord.h"

namespace dorv::data {

// The three personal database books, open for the program's whole run.
// Every operation reports success by its result and shows nothing.
class PdbFiles {
 public:
  PdbFiles() = default;
  ~PdbFiles();
  PdbFiles(const PdbFiles&) = delete;
  PdbFiles& operator=(const PdbFiles&) = delete;

  // Opens Toll (created empty when missing), Toll Free and AudioTex, in that order.
  bool Open();
  bool Close();
  bool IsOpen() const { return m_handles[0] >= 0; }

  bool ReadAt(long index, PdbRecord& record, PdbKind kind);
  bool ReadNext(PdbRecord& record, PdbKind kind);
  bool WriteAt(long index, const PdbRecord& record, PdbKind kind);
  // Sets record.active to 1 and adds it at the end; a failed write leaves the book as it was.
  bool Append(PdbRecord& record, PdbKind kind);
  bool SetDeleted(long index, bool deleted, PdbKind kind);
  long Count(PdbKind kind);

 private:
  int HandleOf(PdbKind kind) const;
  bool ReadHere(int fd, PdbRecord& record);
  bool PrepareAndWrite(int fd, const PdbRecord& record);

  int m_handles[3] = {-1, -1, -1};
  PdbRecord m_work{};
};

}  // namespace dorv::data
