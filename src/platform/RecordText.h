#pragma once
#include <QString>
#include <string>

namespace dorv::platform {

// Texts in the record files (books, settings, call logs, memos) are Latin-1, one byte a
// character; characters Latin-1 lacks are stored as '?'.
inline QString FromRecord(const std::string& stored) {
  return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
}
inline std::string ToRecord(const QString& shown) { return shown.toLatin1().toStdString(); }

}  // namespace dorv::platform
