#include "PrintSetup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "Messages.h"

namespace dorv::platform {

void ShowPrintSetup(QWidget* parent) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  RunModal(dialog);
}

}  // namespace dorv::platform
