#pragma once
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

#include "print/PageDevice.h"

class QPagedPaintDevice;

namespace dorv::print {

// Paints a job with a QPainter on a paged device (a printer or a PDF writer). The device's
// orientation is put back as it was when this object goes.
class QtPageDevice final : public PageDevice {
 public:
  // Names the job and readies the output; false when the output cannot be opened.
  using JobStarter = std::function<bool(const QString&)>;
  // Hands the finished output on; false when it could not be kept whole.
  using JobFinisher = std::function<bool()>;
  explicit QtPageDevice(QPagedPaintDevice& device, JobStarter startJob = {},
                        JobFinisher finishJob = {});
  ~QtPageDevice() override;
  QtPageDevice(const QtPageDevice&) = delete;
  QtPageDevice& operator=(const QtPageDevice&) = delete;

  bool Prepare(bool landscape) override;
  PageGeometry Geometry() const override;
  void SetFontHeight(int heightUnits) override;
  FontCell NormalFontCell() const override;
  TextSize Measure(const QString& text, bool bold) const override;
  bool BeginDocument(const QString& jobName) override;
  void BeginPage() override;
  void DrawText(int x, int baselineY, const QString& text, bool bold) override;
  void DrawRule(int x1, int x2, int y, int thickness) override;
  void EndPage() override {}
  bool EndDocument() override;

 private:
  QPagedPaintDevice& m_device;
  JobStarter m_startJob;
  JobFinisher m_finishJob;
  QPainter m_painter;
  QFont m_normal;
  QFont m_bold;
  int m_pagesBegun = 0;
  bool m_orientationChanged = false;
  QPageLayout::Orientation m_oldOrientation = QPageLayout::Portrait;
};

// A print device that writes the job as a PDF file at path. The file is opened only when the
// job starts, and a write that fails (a full disk) fails the job. With makeFolder, a missing
// folder of the path is made then too, so that a job never started leaves no trace.
class PdfPageFile final {
 public:
  explicit PdfPageFile(const QString& path, bool makeFolder = false, int dotsPerInch = 600);
  PageDevice& Device() { return m_device; }

 private:
  QFile m_file;
  QPdfWriter m_writer;
  QtPageDevice m_device;
};

}  // namespace dorv::print
