#include "reports/CsvExport.h"

#include <QDir>
#include <QFile>

#include "data/WholeFile.h"
#include "platform/Messages.h"
#include "platform/SaveFileName.h"
#include "res/Strings.h"

namespace dorv::reports {

void ExportCsv(QWidget* parent, const QString& suggestedName, const std::string& csv) {
  const QString path = platform::AskSaveFileName(parent, suggestedName);
  if (path.isEmpty()) return;
  if (data::WriteWholeFile(QFile::encodeName(path).toStdString(), csv)) return;
  platform::Ask(parent,
                QString(res::kExportErrorWrite).replace("%s", QDir::toNativeSeparators(path)));
}

}  // namespace dorv::reports
