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
                               const std::function<void()>& saveAndClose) {
  if (!changed) {
    QDialog::reject();
    return;
  }
  switch (platform::Ask(this, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        QMessageBox::Question)) {
    case QMessageBox::Yes: saveAndClose(); break;
    case QMessageBox::No: QDialog::reject(); break;
    default: break;
  }
}

}  // namespace dorv::platform
