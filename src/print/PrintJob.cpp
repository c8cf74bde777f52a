#include "print/PrintJob.h"

#include "res/Strings.h"

namespace dorv::print {

bool PrintJob::Setup(int pointSize, bool landscape) {
  if (!m_device.Prepare(landscape)) return false;
  const PageGeometry page = m_device.Geometry();
  const int fontHeight = FontHeightUnits(pointSize, page.dpiY);
  if (fontHeight < 1) return false;
  m_device.SetFontHeight(fontHeight);
  const FontCell cell = m_device.NormalFontCell();
  const int lineHeight = LineHeightOf(cell);
  const int linesPerPage = print::LinesPerPage(page.height, lineHeight);
  if (linesPerPage < 1) return false;
  m_lines = PageLines(linesPerPage, lineHeight);
  m_pageWidth = page.width;
  m_averageCharWidth = cell.averageCharWidth;
  return true;
}

bool PrintJob::StartDoc(const QString& jobName) { return m_device.BeginDocument(jobName); }

void PrintJob::StartPage() {
  m_device.BeginPage();
  m_lines.StartPage();
}

bool PrintJob::Advance(int lines) {
  if (!m_lines.Advance(lines)) return false;
  m_device.EndPage();
  return true;
}

bool PrintJob::PrintText(const QString& text, TextAlign align, bool bold, int x, int lines) {
  const int width = m_device.Measure(text, bold).width;
  if (const auto startX = TextStartX(align, x, width, m_pageWidth))
    m_device.DrawText(*startX, m_lines.BaselineY(), text, bold);
  return Advance(lines);
}

void PrintJob::Rule(int x1, int x2) {
  m_device.DrawRule(x1 + kLeftMargin, x2 + kLeftMargin, m_lines.BaselineY(), kRuleThickness);
  m_lines.Skip(1);
}

TextSize PrintJob::TextExtent(const QString& text) const { return m_device.Measure(text, false); }

bool PrintJob::TooWide(const QString& text) const {
  return IsTooWide(TextExtent(text).width, m_pageWidth);
}

void PrintJob::EndPage() { m_device.EndPage(); }

bool PrintJob::Finish() {
  m_lines.Skip(1);
  // The closing line would fall below the page: it goes at the top of a page of its own.
  if (m_lines.PastLastLine()) {
    m_device.EndPage();
    StartPage();
  }
  if (!PrintText(QString::fromLatin1(res::kPrintEndOfPrintout), TextAlign::Centred, true, 0, 1))
    m_device.EndPage();
  return m_device.EndDocument();
}

}  // namespace dorv::print
