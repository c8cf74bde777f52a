#pragma once
#include <map>
#include <string>

#include "data/FileCalls.h"

namespace dorv::test {

enum class FailingCall { Open, Write, Fsync, Rename, Truncate };

enum class Failure {
  Short,           // the write puts down half of its bytes; later writes go through
  Once,            // the call fails (no space, or an I/O error for all but writes), then recovers
  Sticky,          // the call and every later one of its kind fail with an I/O error
  HalfThenSticky,  // the write puts down half of its bytes, then every later one fails
};

// Makes the nth call of one kind on the data files fail as chosen, for its lifetime.
class FaultInjector {
 public:
  FaultInjector(FailingCall call, int nth, Failure failure);
  ~FaultInjector();
  FaultInjector(const FaultInjector&) = delete;
  FaultInjector& operator=(const FaultInjector&) = delete;

  // Whether the run reached the nth call, i.e. the failure happened.
  bool Fired() const;
};

const char* NameOf(FailingCall call);
const char* NameOf(Failure failure);

// Every regular file below DATABASE/ of the current directory, by relative name, with its bytes.
std::map<std::string, std::string> SnapshotDatabase();

}  // namespace dorv::test
