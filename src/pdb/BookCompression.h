#pragma once
#include <functional>

#include "data/PdbFiles.h"
#include "data/Rewrite.h"

namespace dorv::pdb {

struct CompressResult {
  bool rewritten;  // false: the book is as it was
  bool booksOpen;  // false: the books could not be opened again afterwards
  long kept;       // active entries written, when rewritten
};

// Rewrites one book without its deleted entries, keeping the order of the others and their
// stored bytes. The books are closed for the rewrite and opened again after it. onRecord is
// called once for every record looked at.
CompressResult CompressBook(data::PdbFiles& pdb, data::PdbKind kind,
                            const std::function<void()>& onRecord = {});

}  // namespace dorv::pdb
