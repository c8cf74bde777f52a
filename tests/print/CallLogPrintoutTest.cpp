#include <gtest/gtest.h>

#include "print/CallLogPrintouts.h"
#include "print/PlacedTexts.h"
#include "print/RecordingDevice.h"

using namespace dorv::print;
using dorv::test::PlacedTexts;
using dorv::test::RecordingDevice;

namespace {

const PrintedFor kWho{"Ann", "555.123.4567", "Mon Dec 07, 2026  15:05"};

std::vector<CallTableRow> Rows(int count, int sampleRow) {
  std::vector<CallTableRow> rows;
  for (int i = 1; i <= count; ++i)
    rows.push_back({{"r" + QString::number(i), "", "", "", "", "", ""}, i == sampleRow});
  return rows;
}

// Prints on pages of twenty lines and returns the texts placed, each as "page:line text".
template <class Printout, class Print>
std::string Placed(const Printout& printout, Print print) {
  RecordingDevice device;
  device.page.height = 2000;
  PrintJob job(device);
  EXPECT_TRUE(job.Setup(8, true) && job.StartDoc("Job"));
  EXPECT_TRUE(print(job, printout));
  return PlacedTexts(device.log);
}

void ExpectPlaced(const std::string& placed, std::initializer_list<const char*> expected) {
  for (const char* text : expected)
    EXPECT_NE(placed.find(std::string(text) + "\n"), std::string::npos) << text << "\n" << placed;
}

}  // namespace

TEST(CallLogPrintout, HeaderOnEveryPageAndRowsRunOn) {
  const CallLogPrintout log{kWho, "January 1999", Rows(11, 0), {"1:00", "$0", "$1", "$1"}};
  const std::string placed = Placed(log, PrintCallLog);
  ExpectPlaced(placed, {"1:3 Printed for: Ann          Phone Number: 555.123.4567",
                        "1:6 January 1999", "1:11 r1", "1:15 r5", "1:17 r6", "1:20 r9",
                        "2:4 Printed on: Mon Dec 07, 2026  15:05          Page Number: 2",
                        "2:9 r10", "2:11 r11", "2:13 Sub Totals   ", "2:17 ***END OF PRINTOUT***"});
  EXPECT_EQ(placed.find("sample rates"), std::string::npos) << "no call used them";
}

TEST(ContactLogPrintout, ContactLineAndTheSampleRatesNote) {
  const ContactLogPrintout log{kWho, "Home - Mom", "555.222.3333", Rows(2, 2), {}};
  ExpectPlaced(Placed(log, PrintContactLog),
               {"1:6 Contact: Home - Mom      Phone Number: 555.222.3333", "1:11 r1",
                "1:16 Total Surcharge And Cost",
                "1:17 *** Calls marked were made using the sample rates supplied with Dorv!!!"});
}
