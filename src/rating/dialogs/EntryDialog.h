#pragma once
#include <QDialog>

namespace dorv::rating {

// A data-entry dialog: Enter moves the focus to the next control, and only a push button
// with the focus (which is then the default button) acts on Enter. Escape is Cancel.
class EntryDialog : public QDialog {
 public:
  explicit EntryDialog(QWidget* parent) : QDialog(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dorv::rating
