#pragma once

class QWidget;

namespace dorv::platform {

// The system's print setup dialog: no print to file, no page range, no selection; the choice
// is not kept.
void ShowPrintSetup(QWidget* parent);

}  // namespace dorv::platform
