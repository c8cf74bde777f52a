#include "WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include "FileCalls.h"

namespace dorv::data {

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  const std::string scratch = path + ".part" + std::to_string(::getpid());
  // Made readable as the user's own documents are; the umask decides the rest.
  const int fd = Calls().open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool written = WriteFully(fd, bytes.data(), bytes.size(), 0) && Calls().fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (written && Calls().rename(scratch.c_str(), path.c_str()) == 0) return true;
  ::unlink(scratch.c_str());
  return false;
}

}  // namespace dorv::data
