#pragma once
#include <optional>

// The arithmetic of a printed page: where a line sits, when a page is full, where a text
// starts. No painting here, so every rule can be checked without a device.

namespace dorv::print {

// Every horizontal position a printout gives is measured from this left margin.
inline constexpr int kLeftMargin = 150;
inline constexpr int kRuleThickness = 4;

enum class TextAlign { Centred = 1, Right = 3, Left = 4 };

// A font's cell as the device reports it, in device units.
struct FontCell {
  int height = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int averageCharWidth = 0;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

// The height of a font of pointSize points on a device with dpiY dots per inch, truncated.
int FontHeightUnits(int pointSize, int dpiY);

int LineHeightOf(const FontCell& cell);

// How many lines fit on a page; 0 when the line height is not positive.
int LinesPerPage(int pageHeight, int lineHeight);

// Where a text of textWidth starts: centred on the page (x is ignored), ending at x + margin,
// or starting at x + margin. No position for an alignment that is none of these.
std::optional<int> TextStartX(TextAlign align, int x, int textWidth, int pageWidth);

// True when a text this wide does not fit between the left margin and the page's right edge.
bool IsTooWide(int textWidth, int pageWidth);

// The current line of a page, counted from 1.
class PageLines {
 public:
  PageLines() = default;
  PageLines(int linesPerPage, int lineHeight)
      : m_linesPerPage(linesPerPage), m_lineHeight(lineHeight) {}

  void StartPage() { m_line = 1; }
  // Moves down by lines; true when that passes the last line, which starts the count again.
  bool Advance(int lines);
  // Moves down without a page check (under a rule, before the closing line).
  void Skip(int lines) { m_line += lines; }
  bool PastLastLine() const { return m_line > m_linesPerPage; }

  int Line() const { return m_line; }
  int LinesPerPage() const { return m_linesPerPage; }
  int LineHeight() const { return m_lineHeight; }
  // The baseline of the current line: line 1 sits one line below the page's top.
  int BaselineY() const { return m_lineHeight * m_line; }

 private:
  int m_linesPerPage = 0;
  int m_lineHeight = 0;
  int m_line = 1;
};

}  // namespace dorv::print
