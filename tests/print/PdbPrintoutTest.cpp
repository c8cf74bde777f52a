#include <gtest/gtest.h>

#include "data/FixedText.h"
#include "print/PdbPrintout.h"
#include "print/PlacedTexts.h"
#include "print/RecordingDevice.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/FakeMemoCounter.h"

using namespace dorv;
using namespace dorv::print;

namespace {

// Prints on the recording device (ten lines a page unless made taller); the texts drawn,
// each as "page:line text @x".
std::string Printed(const PdbPrintout& printout, int pageHeight = 1000) {
  test::RecordingDevice device;
  device.page.height = pageHeight;
  PrintJob job(device);
  EXPECT_TRUE(job.Setup(9, false) && job.StartDoc("Job") && PrintPdbRecord(job, printout));
  return test::PlacedTexts(device.log, true);
}

const data::MyInfo kMe{};
const data::PdbRecord kEntry = test::FullEntry("Family", "Aunt Rosa", "555");

}  // namespace

TEST(PdbPrintout, MemoTextBreaksIntoLinesThatAreNotTooWide) {
  const auto tooWide = [](const QString& line) { return line.size() >= 10; };
  const struct {
    const char* text;
    QStringList lines;
  } rows[] = {
      {"aaaa bbbb", {"aaaa bbbb"}},                                  // exact fit
      {"aaaaaaaaa bb", {"aaaaaaaaa", "bb"}},                         // the blank right after a fit
      {"aaaa bbbb cc", {"aaaa bbbb", "cc"}},                         // at the last blank in reach
      {"aaaa     bbbb", {"aaaa", "bbbb"}},                           // blanks at a break go
      {"abcdefghijklmnopqrstu", {"abcdefghi", "jklmnopqr", "stu"}},  // a word without blanks
      {"one\r\ntwo\n\rthree\rfour", {"one", "two", "", "three", "four"}},  // line breaks kept
  };
  for (const auto& row : rows) EXPECT_EQ(BreakIntoLines(row.text, tooWide), row.lines) << row.text;
}

TEST(PdbPrintout, TheDataStandsInTheValueColumnAndLongValuesWrapThere) {
  for (const auto& [state, cityLine] :
       {std::pair{"Ontario", "Toronto, Ontario  M5V"}, std::pair{"", "Toronto  M5V"}}) {
    data::PdbRecord entry = kEntry;
    data::WriteField(entry.state, state);
    data::WriteField(entry.postalCode, "M5V");
    data::WriteField(entry.webSite, std::string(250, 'w'));
    entry.initialInterval = 60;
    entry.additionalInterval = 30;
    const std::string placed = Printed({entry, kMe, 0, true, false, {}}, 6000);
    // Labels at the margin (150); values at the width of "PHONE NUMBER:   " (160) beyond it.
    std::size_t from = 0;
    for (const std::string& shown : std::initializer_list<std::string>{
             "Contact: Family - Aunt Rosa      Phone Number: 1-416.555.0100 @", "Name: @150",
             "Aunt Rosa @310", "1 Road @310", std::string(cityLine) + " @310",
             std::string(168, 'w') + " @310", std::string(82, 'w') + " @310", "RATE DATA @150",
             "Day @150", "Day - No times defined for this band @310",
             "10.00 cents for first 60 seconds @310", "Evening @150",
             "7.50 cents for first 60 seconds @310",
             "4.00 cents for each additional 30 seconds @310", "***END OF PRINTOUT***"}) {
      from = placed.find(" " + shown, from);  // whole texts only
      ASSERT_NE(from, std::string::npos) << shown << "\n" << placed;
    }
    EXPECT_EQ(placed.find("MEMO"), std::string::npos);
  }
}

// No memo, memo files that cannot be read, or a memo that cannot be: the memo part says which.
TEST(PdbPrintout, TheMemoPartSaysWhyNoMemoFollowsAndALongOneRunsOntoPageTwo) {
  const std::string at7 = "1:7 ";
  const struct {
    EntryMemos memos;
    std::vector<std::string> shown;
  } rows[] = {
      {{}, {at7 + res::kPrintRecordNoMemos + " @150\n"}},
      {{false, {}}, {at7 + res::kErrorMemoFileAccess + " @150\n"}},
      {{true, {{0, "", false}}}, {at7 + res::kErrorMemoFileAccess + " @150\n"}},
      {{true, {{915148800, "l1\r\nl2\r\nl3\r\nl4\r\nl5", true}}},
       {"1:8 l1 @150", "1:10 l3 @150", "2:2 PERSONAL DATABASE MEMO @",
        "2:4 Printed on: ", "Page Number: 2 @", "2:7 l4 @150", "2:8 l5 @150"}},
  };
  for (const auto& row : rows) {
    const std::string placed = Printed({kEntry, kMe, 0, false, true, row.memos});
    for (const std::string& shown : row.shown)
      EXPECT_NE(placed.find(shown), std::string::npos) << shown << "\n" << placed;
    EXPECT_NE(placed.find("***END OF PRINTOUT***"), std::string::npos);
  }
}

TEST(PdbPrintout, OnlyLiveMemosAreReadAndAnEntryWithoutMemoFilesHasNone) {
  test::TempDatabase db;
  data::PdbFiles pdb;
  test::FakeMemoCounter counter;
  data::PdbRecord entry{};
  std::uint32_t number = 0;
  ASSERT_TRUE(pdb.SyncCounter(counter) && pdb.CreateMemoFiles(counter, entry, number) &&
              pdb.AddMemo("kept", 200) && pdb.AddMemo("gone", 100));
  pdb.CloseMemoFiles();
  ASSERT_TRUE(pdb.DeleteMemoByKey(100, number));
  const EntryMemos read = ReadEntryMemos(pdb, entry);
  ASSERT_TRUE(read.accessible && read.memos.size() == 1u);
  EXPECT_EQ(read.memos[0].text, "kept");
  entry.memoFileNumber = 0;
  EXPECT_TRUE(ReadEntryMemos(pdb, entry).accessible);
  entry.memoFileNumber = number + 1;  // no such files
  EXPECT_FALSE(ReadEntryMemos(pdb, entry).accessible);
}
