#include "support/FaultInjector.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

namespace dorv::test {
namespace {

struct Plan {
  FailingCall call;
  int nth;
  Failure failure;
  int seen = 0;
};
Plan g_plan{};

// Whether this call of the planned kind fails; a half write is told apart by the caller.
bool Fails(FailingCall call) {
  if (call != g_plan.call) return false;
  ++g_plan.seen;
  if (g_plan.seen == g_plan.nth) return true;
  bool sticky = g_plan.failure == Failure::Sticky || g_plan.failure == Failure::HalfThenSticky;
  return sticky && g_plan.seen > g_plan.nth;
}

int FailWith(int error) {
  errno = error;
  return -1;
}

const data::FileCalls& System() { return data::SystemFileCalls(); }

int Open(const char* path, int flags, mode_t mode) {
  return Fails(FailingCall::Open) ? FailWith(EIO) : System().open(path, flags, mode);
}
ssize_t Write(int fd, const void* data, std::size_t size, off_t at) {
  if (!Fails(FailingCall::Write)) return System().pwrite(fd, data, size, at);
  bool half = g_plan.seen == g_plan.nth &&
              (g_plan.failure == Failure::Short || g_plan.failure == Failure::HalfThenSticky);
  if (half && size > 1) return System().pwrite(fd, data, size / 2, at);
  return FailWith(g_plan.failure == Failure::Once ? ENOSPC : EIO);
}
int Fsync(int fd) { return Fails(FailingCall::Fsync) ? FailWith(EIO) : System().fsync(fd); }
int Rename(const char* from, const char* to) {
  return Fails(FailingCall::Rename) ? FailWith(EIO) : System().rename(from, to);
}
int Truncate(int fd, off_t length) {
  return Fails(FailingCall::Truncate) ? FailWith(EIO) : System().ftruncate(fd, length);
}

void Snapshot(const std::string& dir, const std::string& prefix,
              std::map<std::string, std::string>& files) {
  DIR* listing = ::opendir(dir.c_str());
  if (!listing) return;
  while (dirent* entry = ::readdir(listing)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    std::string path = dir + "/" + name;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) continue;
    if (S_ISDIR(info.st_mode)) {
      Snapshot(path, prefix + name + "/", files);
    } else {
      std::ifstream in(path, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      files[prefix + name] = bytes.str();
    }
  }
  ::closedir(listing);
}

}  // namespace

FaultInjector::FaultInjector(FailingCall call, int nth, Failure failure) {
  g_plan = Plan{call, nth, failure};
  data::Calls() = data::FileCalls{Open, Write, Fsync, Rename, Truncate};
}

FaultInjector::~FaultInjector() { data::Calls() = System(); }

bool FaultInjector::Fired() const { return g_plan.seen >= g_plan.nth; }

const char* NameOf(FailingCall call) {
  switch (call) {
    case FailingCall::Open: return "open";
    case FailingCall::Write: return "write";
    case FailingCall::Fsync: return "fsync";
    case FailingCall::Rename: return "rename";
    case FailingCall::Truncate: return "ftruncate";
  }
  return "?";
}

const char* NameOf(Failure failure) {
  switch (failure) {
    case Failure::Short: return "short write";
    case Failure::Once: return "fails once";
    case Failure::Sticky: return "sticky I/O error";
    case Failure::HalfThenSticky: return "half write, then I/O errors";
  }
  return "?";
}

std::map<std::string, std::string> SnapshotDatabase() {
  std::map<std::string, std::string> files;
  char cwd[4096];
  if (::getcwd(cwd, sizeof cwd)) Snapshot(std::string(cwd) + "/DATABASE", "", files);
  return files;
}

}  // namespace dorv::test
