#include "platform/SaveFileName.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "res/Strings.h"

namespace dorv::platform {
namespace {
SaveNameHook g_saveNameHook;
}  // namespace

QString AskSaveFileName(QWidget* parent, const QString& suggestedName) {
  const QString suggested =
      QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
          .filePath(suggestedName);
  if (g_saveNameHook) return g_saveNameHook(suggested);
  return QFileDialog::getSaveFileName(parent, res::kExportCaption, suggested, res::kExportFilter);
}

void SetSaveNameHook(SaveNameHook hook) { g_saveNameHook = std::move(hook); }

}  // namespace dorv::platform
