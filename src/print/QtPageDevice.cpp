#include "print/QtPageDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>
#include <algorithm>

namespace dorv::print {

QtPageDevice::QtPageDevice(QPagedPaintDevice& device, JobStarter startJob, JobFinisher finishJob)
    : m_device(device), m_startJob(std::move(startJob)), m_finishJob(std::move(finishJob)) {}

QtPageDevice::~QtPageDevice() {
  if (m_painter.isActive()) m_painter.end();
  if (m_orientationChanged) m_device.setPageOrientation(m_oldOrientation);
}

bool QtPageDevice::Prepare(bool landscape) {
  if (landscape) {
    const QPageLayout::Orientation old = m_device.pageLayout().orientation();
    if (old != QPageLayout::Landscape) {
      if (!m_device.setPageOrientation(QPageLayout::Landscape)) return false;
      m_oldOrientation = old;
      m_orientationChanged = true;
    }
  }
  return m_device.width() > 0 && m_device.height() > 0 && m_device.logicalDpiY() > 0;
}

PageGeometry QtPageDevice::Geometry() const {
  return {m_device.width(), m_device.height(), m_device.logicalDpiY()};
}

void QtPageDevice::SetFontHeight(int heightUnits) {
  m_normal = QFont();
  m_normal.setPixelSize(heightUnits);
  m_normal.setWeight(QFont::Normal);
  m_bold = m_normal;
  m_bold.setWeight(QFont::Bold);
}

FontCell QtPageDevice::NormalFontCell() const {
  const QFontMetrics metrics(m_normal, &m_device);
  // The cell is taller than the asked height by the room for accents above the letters.
  const int internalLeading = std::max(0, metrics.height() - m_normal.pixelSize());
  return {metrics.height(), internalLeading, metrics.leading(), metrics.averageCharWidth()};
}

TextSize QtPageDevice::Measure(const QString& text, bool bold) const {
  const QFontMetrics metrics(bold ? m_bold : m_normal, &m_device);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

bool QtPageDevice::BeginDocument(const QString& jobName) {
  if (m_startJob && !m_startJob(jobName)) return false;
  m_pagesBegun = 0;
  return m_painter.begin(&m_device);
}

void QtPageDevice::BeginPage() {
  if (!m_painter.isActive()) return;
  // Beginning the document opened the first page.
  if (m_pagesBegun > 0) m_device.newPage();
  ++m_pagesBegun;
}

void QtPageDevice::DrawText(int x, int baselineY, const QString& text, bool bold) {
  if (!m_painter.isActive()) return;
  m_painter.setFont(bold ? m_bold : m_normal);
  m_painter.setPen(Qt::black);
  m_painter.drawText(x, baselineY, text);
}

void QtPageDevice::DrawRule(int x1, int x2, int y, int thickness) {
  if (!m_painter.isActive()) return;
  m_painter.setPen(QPen(Qt::black, thickness, Qt::SolidLine, Qt::FlatCap));
  m_painter.drawLine(x1, y, x2, y);
}

bool QtPageDevice::EndDocument() {
  if (!m_painter.isActive()) return false;
  const bool ended = m_painter.end();
  const bool kept = !m_finishJob || m_finishJob();
  return ended && kept;
}

PdfPageFile::PdfPageFile(const QString& path, bool makeFolder, int dotsPerInch)
    : m_file(path),
      m_writer(&m_file),
      m_device(
          m_writer,
          [this, makeFolder](const QString& name) {
            m_writer.setTitle(name);
            if (makeFolder) QDir().mkpath(QFileInfo(m_file).absolutePath());
            return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
          },
          [this] {
            // The writer leaves its data buffered: only closing shows whether it all went.
            m_file.close();
            return m_file.error() == QFileDevice::NoError;
          }) {
  m_writer.setResolution(dotsPerInch);
}

}  // namespace dorv::print
