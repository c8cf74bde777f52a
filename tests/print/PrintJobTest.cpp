#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "print/PrintJob.h"
#include "print/QtPageDevice.h"

using namespace dorv::print;

namespace {

// A page 2000 by 1000 units at 600 dpi whose font is 10 units a character and 100 a line,
// recording every call as a line of text.
class RecordingDevice final : public PageDevice {
 public:
  std::vector<std::string> log;
  PageGeometry page{2000, 1000, 600};

  bool Prepare(bool landscape) override {
    Note(landscape ? "landscape" : "portrait");
    return true;
  }
  PageGeometry Geometry() const override { return page; }
  void SetFontHeight(int heightUnits) override { Note("font " + std::to_string(heightUnits)); }
  FontCell NormalFontCell() const override { return {80, 5, 15, 10}; }
  TextSize Measure(const QString& text, bool) const override {
    return {10 * static_cast<int>(text.size()), 80};
  }
  bool BeginDocument(const QString& jobName) override {
    Note("document " + jobName.toStdString());
    return true;
  }
  void BeginPage() override { Note("page"); }
  void DrawText(int x, int y, const QString& text, bool bold) override {
    Note((bold ? "bold " : "text ") + std::to_string(x) + "," + std::to_string(y) + " " +
         text.toStdString());
  }
  void DrawRule(int x1, int x2, int y, int thickness) override {
    Note("rule " + std::to_string(x1) + "-" + std::to_string(x2) + "," + std::to_string(y) +
         " width " + std::to_string(thickness));
  }
  void EndPage() override { Note("end page"); }
  bool EndDocument() override {
    Note("end document");
    return true;
  }

 private:
  void Note(std::string line) { log.push_back(std::move(line)); }
};

}  // namespace

TEST(PrintJob, ShortJobLineByLine) {
  RecordingDevice device;
  PrintJob job(device);
  ASSERT_TRUE(job.Setup(9, true));
  EXPECT_EQ(job.PageWidth(), 2000);
  EXPECT_EQ(job.LinesPerPage(), 10);
  ASSERT_TRUE(job.StartDoc("Test Job"));
  job.StartPage();
  EXPECT_FALSE(job.PrintText("HEADER", TextAlign::Centred, true, 0, 1));
  job.Rule(0, 500);
  EXPECT_FALSE(job.PrintText("$1.00", TextAlign::Right, false, 1000, 0));
  EXPECT_FALSE(job.PrintText("Name", TextAlign::Left, false, 0, 7));
  EXPECT_TRUE(job.PrintText("Last", TextAlign::Left, false, 0, 1));
  job.StartPage();
  EXPECT_TRUE(job.Finish());

  const std::vector<std::string> expected = {
      "landscape",
      "font 75",
      "document Test Job",
      "page",
      "bold 970,100 HEADER",
      "rule 150-650,200 width 4",
      "text 1100,300 $1.00",
      "text 150,300 Name",
      "text 150,1000 Last",
      "end page",
      "page",
      "bold 895,200 ***END OF PRINTOUT***",
      "end page",
      "end document",
  };
  EXPECT_EQ(device.log, expected);
}

TEST(PrintJob, ClosingLineBelowTheLastLineGoesOnANewPage) {
  RecordingDevice device;
  PrintJob job(device);
  ASSERT_TRUE(job.Setup(9, false));
  ASSERT_TRUE(job.StartDoc("Job"));
  job.StartPage();
  EXPECT_FALSE(job.Advance(9));
  device.log.clear();
  EXPECT_TRUE(job.Finish());
  const std::vector<std::string> expected = {
      "end page", "page", "bold 895,100 ***END OF PRINTOUT***", "end page", "end document"};
  EXPECT_EQ(device.log, expected);
}

TEST(PrintJob, SetupRefusesAPageShorterThanALine) {
  RecordingDevice device;
  device.page.height = 99;
  PrintJob job(device);
  EXPECT_FALSE(job.Setup(9, false));
}

TEST(PrintJob, WritesAPdfFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("job.pdf");
  {
    PdfPageFile pdf(path);
    PrintJob job(pdf.Device());
    ASSERT_TRUE(job.Setup(8, true));
    EXPECT_GT(job.LinesPerPage(), 20);
    EXPECT_FALSE(job.TooWide("Date/Time"));
    EXPECT_TRUE(job.TooWide(QString(400, 'W')));
    ASSERT_TRUE(job.StartDoc("Pdf Job"));
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
