#pragma once

namespace dorv::data {

// Keeps a second program off the data directory: an exclusive lock on DATABASE/DORV.LCK for as
// long as the object holds it. The lock belongs to the open file, so a second Acquire through
// another object fails even within the same process; it ends when the file is closed, also
// when the program dies.
class DataDirectoryLock {
 public:
  enum class Result {
    Acquired,
    HeldElsewhere,  // another program (or object) holds the directory
    Failed          // the lock file could not be opened or locked; errno tells why
  };

  DataDirectoryLock() = default;
  ~DataDirectoryLock();
  DataDirectoryLock(const DataDirectoryLock&) = delete;
  DataDirectoryLock& operator=(const DataDirectoryLock&) = delete;

  Result Acquire();
  // Lets go; the lock file stays, removing it would let two programs lock different files.
  void Release();
  bool IsHeld() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

inline constexpr const char* kLockFileName = "DORV.LCK";

}  // namespace dorv::data
