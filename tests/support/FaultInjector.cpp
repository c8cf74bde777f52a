#include "support/FaultInjector.h"

#include <cerrno>
#include <filesystem>
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

}  // namespace

FaultInjector::FaultInjector(FailingCall call, int nth, Failure failure) {
  g_plan = Plan{call, nth, failure};
  data::Calls() = data::FileCalls{Open, Write, Fsync, Rename, Truncate};
}

FaultInjector::~FaultInjector() { data::Calls() = System(); }

bool FaultInjector::Fired() const { return g_plan.seen >= g_plan.nth; }

const char* NameOf(FailingCall call) {
  static const char* const kNames[] = {"open", "write", "fsync", "rename", "ftruncate"};
  return kNames[static_cast<int>(call)];
}

const char* NameOf(Failure failure) {
  static const char* const kNames[] = {"short write", "fails once", "sticky I/O error",
                                       "half write, then I/O errors"};
  return kNames[static_cast<int>(failure)];
}

std::map<std::string, std::string> SnapshotDatabase() {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> files;
  const fs::path root = fs::current_path() / "DATABASE";
  if (!fs::is_directory(root)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_directory()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files[entry.path().lexically_relative(root).string()] = bytes.str();
  }
  return files;
}

}  // namespace dorv::test
