#pragma once
#include <QDialog>
#include <QString>
#include <functional>

namespace dorv::platform {

// A data-entry dialog: Enter moves the focus to the next control, and only a push button
// with the focus (which is then the default button) acts on Enter. Escape is Cancel.
class EntryDialog : public QDialog {
 public:
  explicit EntryDialog(QWidget* parent) : QDialog(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;

  // Cancel or the close box: without changes the dialog closes at once; otherwise the
  // Yes/No/Cancel question decides: Yes runs saveAndClose, No closes, Cancel stays. Closing
  // without saving rejects the dialog unless closeWithoutSaving says how it ends.
  void CancelAsking(bool changed, const QString& question,
                    const std::function<void()>& saveAndClose,
                    const std::function<void()>& closeWithoutSaving = {});
};

}  // namespace dorv::platform
