#pragma once
#include <cstddef>
#include <functional>
#include <string>

namespace dorv::data {

// Decides whether the record at the given index, as stored, stays in the file.
using KeepRecord = std::function<bool(const unsigned char* stored, long index)>;

// Rewrites DATABASE/<relativeName> keeping only the records the predicate keeps, in their
// order, through the scratch file DATABASE/~PTEMP~.DAT. The scratch file is flushed to disk
// and then renamed over the target, so the target is at every moment either the old file or
// the complete new one. A partial tail record is dropped. On failure the target is unchanged
// and no scratch file is left behind. The caller closes its own handles on the target first.
bool RewriteFile(const std::string& relativeName, std::size_t recordSize, const KeepRecord& keep);

// Replaces the whole contents of DATABASE/<relativeName> (made when missing) the same way. Gives
// the new file open for reading and writing, or -1 with the target unchanged; handles the caller
// holds on the old file go on seeing the old contents.
int ReplaceFile(const std::string& relativeName, const void* data, std::size_t size);

}  // namespace dorv::data
