#pragma once
#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace dorv::platform {

// Shows a message box with the given buttons and returns the button pressed.
QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                QMessageBox::Icon icon = QMessageBox::Warning);

// "Error - An internal program error ..." with the code.
void InternalError(QWidget* parent, int code);

// Runs a dialog modally and returns its result code.
int RunModal(QDialog& dialog);

// Turns stored "\r\n" and "\n\r" line breaks into one line break each.
QString ShownText(const QString& stored);

// Test double: records every text shown and answers from a queue (Ok when it runs dry).
class ScriptedPrompter {
 public:
  ScriptedPrompter();
  ~ScriptedPrompter();
  ScriptedPrompter(const ScriptedPrompter&) = delete;
  ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

  void Answer(QMessageBox::StandardButton button) { m_answers.push_back(button); }
  const std::vector<QString>& Shown() const { return m_shown; }

 private:
  friend QMessageBox::StandardButton Ask(QWidget*, const QString&, QMessageBox::StandardButtons,
                                         QMessageBox::Icon);
  std::vector<QString> m_shown;
  std::vector<QMessageBox::StandardButton> m_answers;
  std::size_t m_next = 0;
};

// Test hook: while installed, RunModal hands the dialog to the hook instead of running a loop.
using ModalHook = std::function<int(QDialog&)>;
void SetModalHook(ModalHook hook);

}  // namespace dorv::platform
