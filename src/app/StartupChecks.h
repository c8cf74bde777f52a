#pragma once
#include <QString>
#include <optional>

#include "data/DataDirectoryLock.h"

namespace dorv::app {

// Takes the data directory for this program. Nothing when it is ours; otherwise the message
// that ends the start: another copy holds it, a data folder is missing or read-only, or the
// lock cannot be taken.
std::optional<QString> TakeDataDirectory(data::DataDirectoryLock& lock);

// The message naming the first damaged sample file, or nothing when they are sound.
std::optional<QString> DamagedSampleFileMessage();

}  // namespace dorv::app
