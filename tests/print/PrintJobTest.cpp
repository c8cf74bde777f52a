#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "print/PrintJob.h"
#include "print/QtPageDevice.h"

using namespace dorv::print;
using std::to_string;

namespace {

// A page 2000 by 1000 units at 600 dpi whose font is 10 units a character and 100 a line,
// writing down every call as a line of text.
class RecordingDevice final : public PageDevice {
 public:
  std::string log;  // one line per call
  PageGeometry page{2000, 1000, 600};

  bool Prepare(bool landscape) override { return Note(landscape ? "landscape" : "portrait"); }
  PageGeometry Geometry() const override { return page; }
  void SetFontHeight(int height) override { Note("font " + to_string(height)); }
  FontCell NormalFontCell() const override { return {80, 5, 15, 10}; }
  TextSize Measure(const QString& text, bool) const override { return {10 * int(text.size()), 80}; }
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
};

}  // namespace

TEST(PrintJob, ShortJobLineByLine) {
  RecordingDevice device;
  PrintJob job(device);
  ASSERT_TRUE(job.Setup(9, true));
  ASSERT_TRUE(job.StartDoc("Test Job"));
  job.StartPage();
  EXPECT_FALSE(job.PrintText("HEADER", TextAlign::Centred, true, 0, 1));
  job.Rule(0, 500);
  EXPECT_FALSE(job.PrintText("$1.00", TextAlign::Right, false, 1000, 0));
  EXPECT_FALSE(job.PrintText("Name", TextAlign::Left, false, 0, 7));
  EXPECT_TRUE(job.PrintText("Last", TextAlign::Left, false, 0, 1));
  job.StartPage();
  EXPECT_TRUE(job.Finish());
  EXPECT_EQ(device.log,
            "landscape\nfont 75\ndocument Test Job\npage\nbold 970,100 HEADER\n"
            "rule 150-650,200 4\ntext 1100,300 $1.00\ntext 150,300 Name\ntext 150,1000 Last\n"
            "end page\npage\nbold 895,200 ***END OF PRINTOUT***\nend page\nend document\n");
}

TEST(PrintJob, ClosingLineBelowTheLastLineGoesOnANewPage) {
  RecordingDevice device;
  PrintJob job(device);
  ASSERT_TRUE(job.Setup(9, false) && job.StartDoc("Job"));
  job.StartPage();
  EXPECT_FALSE(job.Advance(9));
  device.log.clear();
  EXPECT_TRUE(job.Finish());
  EXPECT_EQ(device.log,
            "end page\npage\nbold 895,100 ***END OF PRINTOUT***\nend page\nend document\n");
}

TEST(PrintJob, SetupRefusesAPageShorterThanALine) {
  RecordingDevice device;
  device.page.height = 99;
  EXPECT_FALSE(PrintJob(device).Setup(9, false));
}

TEST(PrintJob, WritesAPdfFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("job.pdf");
  {
    PdfPageFile pdf(path);
    PrintJob job(pdf.Device());
    ASSERT_TRUE(job.Setup(8, true) && job.StartDoc("Pdf Job"));
    job.StartPage();
    EXPECT_TRUE(job.Advance(job.LinesPerPage()));
    job.StartPage();
    job.PrintText("CALL LOG", TextAlign::Centred, true, 0, 1);
    job.Rule(0, 1000);
    EXPECT_TRUE(job.Finish());
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");
}

TEST(PrintJob, PdfInAMissingFolderDoesNotStart) {
  QTemporaryDir dir;
  PdfPageFile pdf(dir.filePath("missing/job.pdf"));
  PrintJob job(pdf.Device());
  ASSERT_TRUE(job.Setup(9, false));
  EXPECT_FALSE(job.StartDoc("Pdf Job"));
  EXPECT_FALSE(job.Finish());
}
