#pragma once
#include <QString>
#include <string>

class QWidget;

namespace dorv::platform {

// Texts in the record files (books, settings, call logs, memos) are Latin-1, one byte a
// character.
inline QString FromRecord(const std::string& stored) {
  return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
}
inline std::string ToRecord(const QString& shown) { return shown.toLatin1().toStdString(); }

// Whether every character of the text has a place in the record files' character set.
bool IsRecordText(const QString& text);

// Every text field of the dialog refuses, as it is typed or pasted, a character the record
// files cannot hold, instead of having it stored as '?'. Edits that already check their
// input keep their own check.
void RefuseNonRecordText(QWidget& dialog);

}  // namespace dorv::platform
