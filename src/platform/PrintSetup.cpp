#include "PrintSetup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "Messages.h"
#include "res/Strings.h"

namespace dorv::platform {

bool PrinterExists() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void ShowPrintSetup(QWidget* parent, bool printerExists) {
  if (!printerExists) {
    Ask(parent, res::kNoPrinter, QMessageBox::Ok, QMessageBox::Information);
    return;
  }
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  RunModal(dialog);
}

}  // namespace dorv::platform
