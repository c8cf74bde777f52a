#include "rating/dialogs/EntryDialog.h"

#include <QKeyEvent>

namespace dorv::rating {

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

}  // namespace dorv::rating
