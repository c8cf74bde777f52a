#pragma once
#include <QMessageBox>
#include <QString>
#include <functional>

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

// Test hook: while installed, Ask hands the text it would show and the buttons to the hook
// instead of showing a message box, and returns the hook's answer.
using PromptHook =
    std::function<QMessageBox::StandardButton(const QString& shown, QMessageBox::StandardButtons)>;
void SetPromptHook(PromptHook hook);

// Test hook: while installed, RunModal hands the dialog to the hook instead of running a loop.
using ModalHook = std::function<int(QDialog&)>;
void SetModalHook(ModalHook hook);

}  // namespace dorv::platform
