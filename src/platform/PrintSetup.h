#pragma once

class QWidget;

namespace dorv::platform {

// Whether the system knows of any printer.
bool PrinterExists();

// The system's print setup dialog: no print to file, no page range, no selection; the choice
// is not kept. Without a printer it says that printouts become PDF files instead of showing
// an empty dialog.
void ShowPrintSetup(QWidget* parent, bool printerExists = PrinterExists());

}  // namespace dorv::platform
