#include <gtest/gtest.h>

#include <sstream>

#include "print/CMonthlyBillPrintDlg.h"
#include "print/PlacedTexts.h"
#include "print/RecordingDevice.h"

using namespace dorv::print;
using dorv::test::PlacedTexts;
using dorv::test::RecordingDevice;

namespace {

std::string Bits(const BillBoxes& boxes) {
  std::string bits;
  for (bool box : boxes) bits += box ? '1' : '0';
  return bits;
}
BillBoxes Boxes(const std::string& bits) {
  BillBoxes boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = bits[i] == '1';
  return boxes;
}
std::string Bits(const BillParts& parts) {
  std::string bits(1, parts.summary ? '1' : '0');
  for (bool section : parts.classes) bits += section ? '1' : '0';
  return bits;
}

// A 30-line page; Long Distance holds calls calls.
std::string Printed(const BillParts& parts, int calls = 0, int pageWidth = 2000) {
  RecordingDevice device;
  device.page = {pageWidth, 3000, 600};
  PrintJob job(device);
  EXPECT_TRUE(job.Setup(8, false) && job.StartDoc("Bill"));
  BillPrintout bill;
  bill.reportFor = {"Pat Example", "1 Main St", "Albany, New York  12207", "212.555.0175"};
  for (int i = 1; i <= calls; ++i)
    bill.classes[1].calls.push_back({{"call " + QString::number(i), "", "", "", "", ""}, false});
  EXPECT_TRUE(PrintBill(job, bill, parts));
  return pageWidth == 2000 ? PlacedTexts(device.log) : device.log;
}

}  // namespace

// All clears the other five and chooses every part; any other box clears All.
TEST(BillPrintBoxes, CheckingABoxAndThePartsChosen) {
  struct Row {
    const char* before;
    BillBox checked;
    const char *after, *parts;
  } rows[] = {
      {"100000", kBoxSummary, "010000", "10000"},       {"100000", kBoxTollFree, "000001", "00001"},
      {"011000", kBoxInternational, "011010", "11010"}, {"011010", kBoxAll, "100000", "11111"},
      {"000000", kBoxLongDistance, "000100", "00100"},
  };
  for (const Row& row : rows) {
    const BillBoxes after = AfterChecking(Boxes(row.before), row.checked);
    EXPECT_EQ(Bits(after) + ' ' + Bits(PartsOf(after)), std::string(row.after) + ' ' + row.parts)
        << row.before;
  }
  EXPECT_EQ(Bits(PartsOf(BillBoxes{})), "00000");
}

// Each chosen part starts a page, and the closing line follows the last one only.
TEST(BillPrintout, EachPartOnItsOwnPages) {
  struct Row {
    BillParts parts;
    const char* outline;
  } rows[] = {
      {{true, {}}, "1:12 APPROXIMATE MONTHLY RECURRING CHARGE SUMMARY;1:END;"},
      {{true, {true, false, false, true}},
       "1:12 APPROXIMATE MONTHLY RECURRING CHARGE SUMMARY;2:14 Local and Local Toll Calls;"
       "3:14 Toll Free and AudioTex Calls;3:END;"},
      {{false, {}}, "1:END;"},
  };
  for (const Row& row : rows) {
    std::istringstream placed(Printed(row.parts));
    std::string outline;
    for (std::string line; std::getline(placed, line);) {
      const QString text = QString::fromStdString(line.substr(line.find(' ') + 1));
      if (text == "***END OF PRINTOUT***")
        outline += line.substr(0, line.find(':')) + ":END;";
      else if (text.startsWith("APPROXIMATE MONTHLY RECURRING") || text.endsWith(" Calls"))
        outline += line + ";";
    }
    EXPECT_EQ(outline, row.outline);
  }
}

TEST(BillPrintout, OnlyLongDistanceStartsWithItsSectionAndContinuesIt) {
  const std::string placed = Printed({false, {false, true, false, false}}, 12);
  EXPECT_EQ(placed.find("MONTHLY RECURRING"), std::string::npos) << placed;
  // Straight after the page header; on the next page the section header again, continued.
  for (const char* shown :
       {"1:10 212.555.0175\n1:12 APPROXIMATE NON-RECURRING CHARGE SUMMARY\n",
        "1:14 Long Distance Calls\n", "1:30 call 11\n",
        "2:4 Printed on:           Page Number: 2\n",
        "2:12 APPROXIMATE NON-RECURRING CHARGE SUMMARY\n2:14 Long Distance Calls (con't)\n",
        "2:18 call 12\n", "2:20 Sub Totals"})
    EXPECT_NE(placed.find(shown), std::string::npos) << shown << "\n" << placed;
}

TEST(BillPrintout, ASectionTooWideForThePageIsNarrowedToFit) {
  std::istringstream log(Printed({false, {false, true, false, false}}, 1, 1200));
  for (std::string line; std::getline(log, line);) {
    if (line.rfind("text ", 0) != 0 && line.rfind("bold ", 0) != 0) continue;
    const int x = std::stoi(line.substr(5)), length = int(line.size() - line.find(' ', 5) - 1);
    EXPECT_TRUE(x >= 0 && x + 10 * length <= 1200) << line;
  }
}
