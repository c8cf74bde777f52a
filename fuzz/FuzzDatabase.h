#pragma once
#include "support/TempDatabase.h"

namespace dorv::fuzz {

// Readers are driven over at most this many records of a file, so that every input runs fast.
inline constexpr long kMaxRecords = 64;

// The one temporary data directory of the process, made current, emptied before every input
// and laid out afresh as DATABASE/ with LOG/ and MEMO/: each input starts from the same state.
// As the directory is made current, a fuzz target is given its corpus by absolute path.
const test::TempDatabase& FreshDatabase();

}  // namespace dorv::fuzz
