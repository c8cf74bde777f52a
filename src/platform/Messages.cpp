#include "platform/Messages.h"

#include <QDialog>

#include "res/Strings.h"

namespace dorv::platform {
namespace {
ScriptedPrompter* g_prompter = nullptr;
ModalHook g_modalHook;
}  // namespace

ScriptedPrompter::ScriptedPrompter() { g_prompter = this; }
ScriptedPrompter::~ScriptedPrompter() {
  if (g_prompter == this) g_prompter = nullptr;
}

QString ShownText(const QString& stored) {
  QString text = stored;
  text.replace("\r\n", "\n").replace("\n\r", "\n");
  return text;
}

QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) {
  QString shown = ShownText(text);
  if (g_prompter) {
    g_prompter->m_shown.push_back(shown);
    if (g_prompter->m_next < g_prompter->m_answers.size())
      return g_prompter->m_answers[g_prompter->m_next++];
    return QMessageBox::Ok;
  }
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

void SetModalHook(ModalHook hook) { g_modalHook = std::move(hook); }

}  // namespace dorv::platform
