#include "platform/EntryDialog.h"

#include <QKeyEvent>

#include "platform/Messages.h"

namespace dorv::platform {

void EntryDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // A focused push button handles Enter itself; what reaches here came from another control.
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
