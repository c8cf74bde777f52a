#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "print/PrintJob.h"
#include "print/QtPageDevice.h"
#include "print/RecordingDevice.h"

using namespace dorv::print;
using dorv::test::RecordingDevice;

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

// A page shorter than a line, or a PDF in a missing folder, never starts a job.
TEST(PrintJob, AJobThatCannotStartSaysSo) {
  RecordingDevice device;
  device.page.height = 99;
  EXPECT_FALSE(PrintJob(device).Setup(9, false));
  QTemporaryDir dir;
  PdfPageFile pdf(dir.filePath("missing/job.pdf"));
  PrintJob job(pdf.Device());
  ASSERT_TRUE(job.Setup(9, false));
  EXPECT_FALSE(job.StartDoc("Pdf Job"));
  EXPECT_FALSE(job.Finish());
}
