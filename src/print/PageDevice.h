#pragma once
#include <QString>

#include "print/PageLayout.h"

namespace dorv::print {

struct PageGeometry {
  int width = 0;
  int height = 0;
  int dpiY = 0;
};

// What a print job paints on: a printer, a PDF file, or a recorder in the tests. Positions are
// device units from the page's top left corner.
class PageDevice {
 public:
  virtual ~PageDevice() = default;

  // False when there is nothing to print on.
  virtual bool Prepare(bool landscape) = 0;
  virtual PageGeometry Geometry() const = 0;
  // Makes the normal and the bold font of the device's default family, this many units high.
  virtual void SetFontHeight(int heightUnits) = 0;
  virtual FontCell NormalFontCell() const = 0;
  virtual TextSize Measure(const QString& text, bool bold) const = 0;

  virtual bool BeginDocument(const QString& jobName) = 0;
  virtual void BeginPage() = 0;
  virtual void DrawText(int x, int baselineY, const QString& text, bool bold) = 0;
  virtual void DrawRule(int x1, int x2, int y, int thickness) = 0;
  virtual void EndPage() = 0;
  // False when the document could not be completed.
  virtual bool EndDocument() = 0;
};

}  // namespace dorv::print
