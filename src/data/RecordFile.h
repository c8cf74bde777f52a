#pragma once
#include <cstddef>
#include <string>

namespace dorv::data {

// A descriptor over one DATABASE file of fixed-size records, unbuffered: the one way every file
// object reads and writes its records. Every call reports success and shows nothing.
class RecordFile {
 public:
  RecordFile() = default;
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Opens an existing file (never creates one); any file open before is closed first.
  bool Open(const std::string& name, bool writable);
  // Opens the file for reading and writing. Only a file that does not exist is created (empty,
  // exclusively); any other failure to open it fails and leaves the disk as it was.
  bool OpenOrCreate(const std::string& name, bool& created);
  bool Close();
  bool IsOpen() const { return m_fd >= 0; }
  int Descriptor() const { return m_fd; }
  // Closes the file and holds the given descriptor instead (the file was replaced as a whole).
  void Adopt(int fd);

  // File length / record size; -1 when the end cannot be sought. The position is kept.
  long Count(std::size_t recordSize) const;
  // Reads exactly size bytes at the given byte position, or at the current position; after a
  // short read the buffer is all zeros.
  bool ReadAt(long long position, void* buffer, std::size_t size);
  bool ReadHere(void* buffer, std::size_t size);
  bool SeekTo(long long position);
  // Writes all the bytes at the given position and leaves the position behind them. On a failure
  // the bytes that were there are put back as far as the disk allows.
  bool WriteAt(long long position, const void* data, std::size_t size);
  // Adds a record behind the last whole one, over a torn tail left by an earlier crash. On a
  // failure the file is cut back to its whole records.
  bool Append(const void* record, std::size_t size);

 private:
  int m_fd = -1;
};

}  // namespace dorv::data
