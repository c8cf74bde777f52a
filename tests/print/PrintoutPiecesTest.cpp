#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/FixedText.h"
#include "print/CallTable.h"
#include "print/PrintDestination.h"
#include "print/RecordingDevice.h"
#include "support/RatingSupport.h"

using namespace dorv;
using namespace dorv::print;
using test::RecordingDevice;

TEST(CallTable, TotalsUnderTheLastColumns) {
  RecordingDevice device;
  PrintJob job(device);
  ASSERT_TRUE(job.Setup(9, false) && job.StartDoc("Job"));
  PrintoutPages pages(job, [](PrintoutPages&, int) {});
  // Widths 40, 30, 30, 30, 40: the table starts at (2000 - 170) / 2 - 150 = 765.
  const Columns columns(job, {"DDDD", "LLL", "SSS", "CCC", "TTTT"});
  pages.StartPage();
  device.log.clear();
  PrintCallTotals(pages, columns, {"1:00", "$0.10", "$2.00", "$2.10"});
  EXPECT_EQ(device.log,
            "rule 955-1045,100 4\n"         // from Length's left to Cost's right edge
            "bold 825,200 Sub Totals   \n"  // ends at Length's left edge
            "text 955,200 1:00\ntext 965,200 $0.10\ntext 995,200 $2.00\n"
            "rule 1045-1085,300 4\n"  // under the grand total's column
            "bold 805,400 Total Surcharge And Cost\ntext 1035,400 $2.10\n");
}

TEST(PrintedFor, NameNumberClockAndNameLine) {
  rating::test::ScopedTimeZone zone("UTC");
  data::MyInfo me{};
  data::WriteField(me.name, "Ann");
  data::WriteField(me.areaCode, "555");
  data::WriteField(me.prefix, "123");
  data::WriteField(me.suffix, "4567");
  const std::time_t now = rating::test::LocalTime(2026, 12, 7, 15, 5);
  const PrintedFor who = PrintedForOf(me, now);
  EXPECT_EQ(PrintedForLine(who), "Printed for: Ann          Phone Number: 555.123.4567");
  EXPECT_EQ(PrintedOnLine(who, 2), "Printed on: Mon Dec 07, 2026  15:05          Page Number: 2");
  data::WriteField(me.extension, "12");
  EXPECT_EQ(PrintedForOf(me, now).phone, "555.123.4567 ext. 12");
  // An entry's name line, for the contact log and the entry's printout.
  const char* fallback = "Printing Record %i";
  EXPECT_EQ(NameLine("Friend", "Ann", fallback, 4), "Friend - Ann");
  EXPECT_EQ(NameLine("Friend", "", fallback, 4), "Friend");
  EXPECT_EQ(NameLine("", "Ann", fallback, 4), "Ann");
  EXPECT_EQ(NameLine("", "", fallback, 4), "Printing Record 4");
}

TEST(PrintDestination, PdfNamesNeverTakeAnExistingFile) {
  QTemporaryDir dir;
  const QDate day(2026, 12, 7);
  const QString first = UnusedPdfPath(dir.path(), "Dorv Call Log Print Job", day);
  EXPECT_EQ(QDir(dir.path()).relativeFilePath(first), "Dorv Call Log Print Job 2026-12-07.pdf");
  QFile(first).open(QIODevice::WriteOnly);
  EXPECT_EQ(
      QDir(dir.path()).relativeFilePath(UnusedPdfPath(dir.path(), "Dorv Call Log Print Job", day)),
      "Dorv Call Log Print Job 2026-12-07 (2).pdf");
}
