#pragma once
#include <cstddef>
#include <string>

namespace dorv::data {

// A descriptor over one DATABASE file of fixed-size records, unbuffered. The sample file
// objects build on it; every call reports success and shows nothing.
class RecordFile {
 public:
  RecordFile() = default;
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Opens an existing file (never creates one); any file open before is closed first.
  bool Open(const std::string& name, bool writable);
  bool Close();
  bool IsOpen() const { return m_fd >= 0; }

  // File length / record size; -1 when the end cannot be sought. The position is kept.
  long Count(std::size_t recordSize) const;
  // Reads exactly size bytes at the given byte position, or at the current position; after a
  // short read the buffer is all zeros.
  bool ReadAt(long long position, void* buffer, std::size_t size);
  bool ReadHere(void* buffer, std::size_t size);

 private:
  int m_fd = -1;
};

}  // namespace dorv::data
