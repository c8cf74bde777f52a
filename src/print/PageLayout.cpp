#include "print/PageLayout.h"

namespace dorv::print {

int FontHeightUnits(int pointSize, int dpiY) {
  return static_cast<int>(static_cast<long long>(pointSize) * dpiY / 72);
}

int LineHeightOf(const FontCell& cell) {
  return cell.height + cell.internalLeading + cell.externalLeading;
}

int LinesPerPage(int pageHeight, int lineHeight) {
  if (lineHeight <= 0) return 0;
  return pageHeight / lineHeight;
}

std::optional<int> TextStartX(TextAlign align, int x, int textWidth, int pageWidth) {
  switch (align) {
    case TextAlign::Centred:
      return (pageWidth - textWidth) / 2;
    case TextAlign::Right:
      return x + kLeftMargin - textWidth;
    case TextAlign::Left:
      return x + kLeftMargin;
  }
  return std::nullopt;
}

bool IsTooWide(int textWidth, int pageWidth) { return textWidth >= pageWidth - kLeftMargin; }

bool PageLines::Advance(int lines) {
  m_line += lines;
  if (m_line <= m_linesPerPage) return false;
  m_line = 1;
  return true;
}

}  // namespace dorv::print
