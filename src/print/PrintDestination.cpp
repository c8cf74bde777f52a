#include "print/PrintDestination.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "print/QtPageDevice.h"

namespace dorv::print {
namespace {

class PrinterDestination final : public PrintDestination {
 public:
  PrinterDestination()
      : m_printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution),
        m_device(m_printer, [this](const QString& name) {
          m_printer.setDocName(name);
          return true;
        }) {}
  PageDevice& Device() override { return m_device; }
  QString PdfPath() const override { return {}; }
  bool AnnouncesPdf() const override { return false; }

 private:
  QPrinter m_printer;
  QtPageDevice m_device;
};

class PdfDestination final : public PrintDestination {
 public:
  // A PDF in the documents folder is the fallback the user is told about; a path named by the
  // environment is taken as it is.
  PdfDestination(const QString& path, bool inDocuments)
      : m_path(path), m_announce(inDocuments), m_file(path, inDocuments) {}
  PageDevice& Device() override { return m_file.Device(); }
  QString PdfPath() const override { return m_path; }
  bool AnnouncesPdf() const override { return m_announce; }

 private:
  QString m_path;
  bool m_announce;
  PdfPageFile m_file;
};

// The folder may not exist yet: the job makes it when it starts.
QString DocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return folder;
}

}  // namespace

bool HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

QString UnusedPdfPath(const QString& folder, const QString& jobName, const QDate& day) {
  const QString stem = QDir(folder).filePath(jobName + ' ' + day.toString(Qt::ISODate));
  QString path = stem + ".pdf";
  for (int copy = 2; QFileInfo::exists(path); ++copy)
    path = stem + QString(" (%1).pdf").arg(copy);
  return path;
}

std::unique_ptr<PrintDestination> PrintDestination::ForJob(const QString& jobName) {
  const QString forced = qEnvironmentVariable("DORV_PRINT_PDF");
  if (!forced.isEmpty()) return std::make_unique<PdfDestination>(forced, false);
  if (HasDefaultPrinter()) return std::make_unique<PrinterDestination>();
  return std::make_unique<PdfDestination>(
      UnusedPdfPath(DocumentsFolder(), jobName, QDate::currentDate()), true);
}

}  // namespace dorv::print
