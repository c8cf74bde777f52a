#pragma once
#include <QString>

#include "print/PageDevice.h"
#include "print/PageLayout.h"

namespace dorv::print {

// A line printer: texts and rules placed line by line on the pages of one document.
// Setup once, StartDoc, then per page StartPage and any number of PrintText and Rule until a
// call reports the end of the page; Finish closes the last page and the document.
class PrintJob final {
 public:
  explicit PrintJob(PageDevice& device) : m_device(device) {}
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // False when there is no device, or its page cannot hold a line of this font.
  bool Setup(int pointSize, bool landscape);
  bool StartDoc(const QString& jobName);
  void StartPage();
  // Each returns true when it ended the page; the caller then starts the next one.
  bool Advance(int lines);
  bool PrintText(const QString& text, TextAlign align, bool bold, int x, int lines);
  // A rule across the current line from x1 to x2; moves to the next line.
  void Rule(int x1, int x2);
  TextSize TextExtent(const QString& text) const;
  bool TooWide(const QString& text) const;
  void EndPage();
  // Prints the closing line and ends the document; false when the document was not completed.
  bool Finish();

  int PageWidth() const { return m_pageWidth; }
  int CurrentLine() const { return m_lines.Line(); }
  int LinesPerPage() const { return m_lines.LinesPerPage(); }
  int LineHeight() const { return m_lines.LineHeight(); }
  int AverageCharWidth() const { return m_averageCharWidth; }

 private:
  PageDevice& m_device;
  PageLines m_lines;
  int m_pageWidth = 0;
  int m_averageCharWidth = 0;
};

}  // namespace dorv::print
