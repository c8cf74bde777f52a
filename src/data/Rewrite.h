#pragma once
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

namespace dorv::data {

// Decides whether the record at the given index, as stored, stays in the file.
using KeepRecord = std::function<bool(const unsigned char* stored, long index)>;

// The system calls of a rewrite whose failure must leave the target intact; tests put in
// failing ones.
struct RewriteCalls {
  ssize_t (*write)(int, const void*, std::size_t) = ::write;
  int (*fsync)(int) = ::fsync;
  int (*rename)(const char*, const char*) = std::rename;
};

// Rewrites DATABASE/<relativeName> keeping only the records the predicate keeps, in their
// order, through the scratch file DATABASE/~PTEMP~.DAT. The scratch file is flushed to disk
// and then renamed over the target, so the target is at every moment either the old file or
// the complete new one. A partial tail record is dropped. On failure the target is unchanged
// and no scratch file is left behind. The caller closes its own handles on the target first.
bool RewriteFile(const std::string& relativeName, std::size_t recordSize, const KeepRecord& keep,
                 const RewriteCalls& calls = {});

}  // namespace dorv::data
