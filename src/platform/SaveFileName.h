#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace dorv::platform {

// Asks where to save a file, starting in the user's documents folder with the suggested file
// name; empty when the user cancels.
QString AskSaveFileName(QWidget* parent, const QString& suggestedName);

// Test hook: while installed, no save dialog is shown; the hook gets the suggested path and
// answers the path chosen, or an empty text for Cancel.
using SaveNameHook = std::function<QString(const QString& suggestedPath)>;
void SetSaveNameHook(SaveNameHook hook);

}  // namespace dorv::platform
