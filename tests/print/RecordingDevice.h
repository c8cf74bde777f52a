#pragma once
#include <QString>
#include <string>

#include "print/PageDevice.h"

namespace dorv::test {

// A page 2000 by 1000 units at 600 dpi whose font is 10 units a character and 100 a line,
// writing down every call as a line of text.
class RecordingDevice final : public print::PageDevice {
 public:
  std::string log;  // one line per call
  print::PageGeometry page{2000, 1000, 600};

  bool Prepare(bool landscape) override { return Note(landscape ? "landscape" : "portrait"); }
  print::PageGeometry Geometry() const override { return page; }
  void SetFontHeight(int height) override { Note("font " + to_string(height)); }
  print::FontCell NormalFontCell() const override { return {80, 5, 15, 10}; }
  print::TextSize Measure(const QString& text, bool) const override {
    return {10 * int(text.size()), 80};
  }
  bool BeginDocument(const QString& name) override {
    return Note("document " + name.toStdString());
  }
  void BeginPage() override { Note("page"); }
  void DrawText(int x, int y, const QString& text, bool bold) override {
    Note((bold ? "bold " : "text ") + to_string(x) + "," + to_string(y) + " " + text.toStdString());
  }
  void DrawRule(int x1, int x2, int y, int width) override {
    Note("rule " + to_string(x1) + "-" + to_string(x2) + "," + to_string(y) + " " +
         to_string(width));
  }
  void EndPage() override { Note("end page"); }
  bool EndDocument() override { return Note("end document"); }

 private:
  bool Note(const std::string& line) {
    log += line + '\n';
    return true;
  }

  static std::string to_string(int value) { return std::to_string(value); }
};

}  // namespace dorv::test
