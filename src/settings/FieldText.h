#pragma once
#include <QString>
#include <string>

namespace dorv::settings {

// The settings record holds its texts in Latin-1, one byte a character.
inline QString ShownText(const std::string& stored) {
  return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
}
inline std::string StoredText(const QString& shown) { return shown.toLatin1().toStdString(); }

}  // namespace dorv::settings
