#include "platform/Messages.h"

#include <QDialog>

#include "res/Strings.h"

namespace dorv::platform {
namespace {
PromptHook g_promptHook;
ModalHook g_modalHook;
}  // namespace

QString ShownText(const QString& stored) {
  QString text = stored;
  text.replace("\r\n", "\n").replace("\n\r", "\n");
  return text;
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) {
  QString shown = ShownText(text);
  if (g_promptHook) return g_promptHook(shown, buttons);
  QMessageBox box(icon, res::kProductTitle, shown, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void InternalError(QWidget* parent, int code) {
  Ask(parent, QString(res::kErrorInternal).replace("%i", QString::number(code)));
}

int RunModal(QDialog& dialog) {
  if (g_modalHook) return g_modalHook(dialog);
  return dialog.exec();
}

void SetPromptHook(PromptHook hook) { g_promptHook = std::move(hook); }

void SetModalHook(ModalHook hook) { g_modalHook = std::move(hook); }

}  // namespace dorv::platform
