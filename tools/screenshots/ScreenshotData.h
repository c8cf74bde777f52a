#pragma once
#include "support/TempDatabase.h"

namespace dorv::screenshots {

// A data directory like a user's after some weeks: the shipped sample files, stored
// personal settings and a few entries in the Toll book.
void LayOutUserData(const test::TempDatabase& db);

}  // namespace dorv::screenshots
