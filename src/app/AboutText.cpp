#include "app/AboutText.h"

#include <QDir>
#include <QFileInfo>

#include "res/Strings.h"

namespace dorv::app {

QString InstalledDocFolder(const QString& programDir) {
  const QFileInfo folder(programDir + "/../../share/doc/dorv");
  return folder.isDir() ? folder.canonicalFilePath() : QString();
}

QString AboutText(const QString& programDir) {
  QString folder = QDir::toNativeSeparators(InstalledDocFolder(programDir));
  if (folder.isEmpty()) folder = res::kAboutLicenceFolderElsewhere;
  return QString(res::kAboutText).arg(DORV_VERSION) + "\r\n\r\n" + res::kAboutCredits + "\r\n\r\n" +
         QString(res::kAboutLicence).arg(folder);
}

}  // namespace dorv::app
