#pragma once
#include <QDate>
#include <QString>
#include <memory>

#include "print/PageDevice.h"

namespace dorv::print {

// Where a printout goes: the default printer when there is one, else a new PDF file in the
// user's documents folder. With DORV_PRINT_PDF set, every job is written to that PDF file.
class PrintDestination {
 public:
  static std::unique_ptr<PrintDestination> ForJob(const QString& jobName);
  virtual ~PrintDestination() = default;

  virtual PageDevice& Device() = 0;
  // The PDF file the job is written to; empty when it goes to a printer.
  virtual QString PdfPath() const = 0;
  // True when the user did not choose the PDF file and must be told where it went.
  virtual bool AnnouncesPdf() const = 0;
};

// True when the system has a default printer.
bool HasDefaultPrinter();

// A PDF path in folder for the job that names no existing file: "<job> <yyyy-MM-dd>.pdf",
// then "<job> <yyyy-MM-dd> (2).pdf" and so on.
QString UnusedPdfPath(const QString& folder, const QString& jobName, const QDate& day);

}  // namespace dorv::print
