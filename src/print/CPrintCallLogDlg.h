#pragma once
#include "print/CPrintDialog.h"
#include "print/CallLogPrintouts.h"

namespace dorv::print {

// "Printing Call Log": the month's calls, as the call log lists them, on the printer.
class CPrintCallLogDlg final : public CPrintDialog {
 public:
  CPrintCallLogDlg(CallLogPrintout log, QWidget* parent = nullptr);

 private:
  bool PrintParts(PrintJob& job) override;

  CallLogPrintout m_log;
};

// "Printing Contact Log": one entry's calls over the months on the printer.
class CPrintContactLogDlg final : public CPrintDialog {
 public:
  CPrintContactLogDlg(ContactLogPrintout log, const QString& statusLine,
                      QWidget* parent = nullptr);

 private:
  bool PrintParts(PrintJob& job) override;

  ContactLogPrintout m_log;
};

}  // namespace dorv::print
