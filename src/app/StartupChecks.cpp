#include "app/StartupChecks.h"

#include "data/DataDirectoryCheck.h"
#include "data/DatabaseDir.h"
#include "data/SampleFileCheck.h"
#include "res/Strings.h"

namespace dorv::app {

std::optional<QString> TakeDataDirectory(data::DataDirectoryLock& lock) {
  const auto locked = lock.Acquire();
  if (locked == data::DataDirectoryLock::Result::HeldElsewhere)
    return QString(res::kErrorAlreadyRunning);
  // A folder that cannot be written also keeps the lock file from being made: say which.
  if (const auto folder = data::FindDataFolderProblem()) {
    lock.Release();
    const char* text = folder->problem == data::FolderProblem::Missing
                           ? res::kErrorDataFolderMissing
                           : res::kErrorDataFolderReadOnly;
    return QString::asprintf(text, folder->path.c_str());
  }
  if (locked == data::DataDirectoryLock::Result::Failed) {
    const std::string where = data::DatabasePath("").value_or("DATABASE/");
    return QString::asprintf(res::kErrorDataDirectoryLock, where.c_str());
  }
  return std::nullopt;
}

std::optional<QString> DamagedSampleFileMessage() {
  const auto damaged = data::FindDamagedSampleFile();
  if (!damaged) return std::nullopt;
  const char* reason = damaged->damage == data::SampleDamage::Empty ? res::kSampleDamageEmpty
                       : damaged->damage == data::SampleDamage::PartialRecord
                           ? res::kSampleDamagePartialRecord
                           : res::kSampleDamageIndexPastEnd;
  return QString::asprintf(res::kErrorSampleFileDamaged, damaged->name.c_str(), reason);
}

}  // namespace dorv::app
