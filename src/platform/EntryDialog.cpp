#include "platform/EntryDialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/Messages.h"

namespace dorv::platform {

void EntryDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // A push button with the focus acts on Enter even when it is not an automatic default
    // (the lookups' criteria buttons, which must not catch Enter typed into a field).
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
      button->click();
    else
      focusNextChild();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void EntryDialog::CancelAsking(bool changed, const QString& question,
                               const std::function<void()>& saveAndClose,
                               const std::function<void()>& closeWithoutSaving) {
  auto close = [this, &closeWithoutSaving] {
    if (closeWithoutSaving)
      closeWithoutSaving();
    else
      QDialog::reject();
  };
  if (!changed) {
    close();
    return;
  }
  switch (platform::Ask(this, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        QMessageBox::Question)) {
    case QMessageBox::Yes: saveAndClose(); break;
    case QMessageBox::No: close(); break;
    default: break;
  }
}

}  // namespace dorv::platform
