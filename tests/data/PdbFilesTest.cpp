#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "data/FixedText.h"
#include "data/PdbFiles.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

namespace {

PdbRecord SampleEntry() {
  PdbRecord r = dorv::test::FullEntry("", "Acme Widgets", "555");
  WriteField(r.address2, "Suite 200");
  WriteField(r.webSite, "https://example.org/");
  r.bandHours[17] = 2400;
  r.surcharge = 1.25f;
  r.timeZone = -6;
  r.initialInterval = 60;
  r.spare[1] = 0x5a;
  return r;
}

class PdbFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.WriteFile("DORV22", "");
    db.WriteFile("DORV23", "");
    ASSERT_TRUE(files.Open());
  }
  TempDatabase db;
  PdbFiles files;
};

}  // namespace

TEST(PdbFilesOpen, CreatesTollBookButNeedsTheOtherTwo) {
  TempDatabase db;
  PdbFiles files;
  EXPECT_FALSE(files.Open());
  EXPECT_TRUE(db.Exists("DORV21"));
  EXPECT_FALSE(files.IsOpen());
  db.WriteFile("DORV22", "");
  EXPECT_FALSE(files.Open());
  db.WriteFile("DORV23", "");
  EXPECT_TRUE(files.Open());
}

TEST_F(PdbFilesTest, RecordRoundTripsStoredScrambledFullWidthAndWithoutBytesBehindATerminator) {
  PdbRecord entry = SampleEntry();
  entry.active = 0;
  ASSERT_TRUE(files.Append(entry, PdbKind::TollFree));
  EXPECT_EQ(entry.active, 1u);
  std::string raw = db.ReadFile("DORV22");
  ASSERT_EQ(raw.size(), 1392u);
  // Scrambled fields do not show their text, plain ones do; the NULs behind a text stay NULs.
  EXPECT_EQ(raw.find("Acme Widgets"), std::string::npos);
  const std::size_t name = offsetof(PdbRecord, name), rest = sizeof entry.name - 12;
  EXPECT_EQ(raw.find('\0', name), name + 12);
  EXPECT_EQ(raw.substr(name + 12, rest), std::string(rest, '\0'));
  EXPECT_EQ(raw.compare(153, 9, "Suite 200"), 0);
  EXPECT_EQ(raw.compare(875, 20, "https://example.org/"), 0);

  PdbRecord back;
  ASSERT_TRUE(files.ReadAt(0, back, PdbKind::TollFree));
  EXPECT_EQ(std::memcmp(&back, &entry, sizeof back), 0);
  EXPECT_EQ(files.Count(PdbKind::Toll), 0);

  std::memset(entry.name, 'N', sizeof entry.name);  // no NUL at all
  // A field padded with blanks to its full width, as older writers left them.
  std::memset(entry.city, ' ', sizeof entry.city);
  std::memcpy(entry.city, "Two  Words", 10);
  std::memcpy(entry.note, "short\0hidden", 12);
  ASSERT_TRUE(files.Append(entry, PdbKind::Toll));
  ASSERT_TRUE(files.ReadAt(0, back, PdbKind::Toll));
  // The full-width name ends where it should, before the contact.
  EXPECT_EQ(std::tuple(ReadField(back.name), ReadField(back.city), ReadField(back.contact)),
            std::tuple(std::string(32, 'N'), "Two  Words", "May"));
  // What lay behind the terminator never reached the file.
  const std::size_t size = sizeof back.note;
  EXPECT_EQ(std::string(back.note, size), "short" + std::string(size - 5, '\0'));
}

TEST_F(PdbFilesTest, ATornTailIsNotCountedAndIsWrittenOverThenWalkRewriteAndDeleteInPlace) {
  PdbRecord entry = SampleEntry();
  ASSERT_TRUE(files.Append(entry, PdbKind::Toll));
  files.Close();
  db.WriteFile("DORV21", db.ReadFile("DORV21") + std::string(100, 'x'));
  ASSERT_TRUE(files.Open());
  EXPECT_EQ(files.Count(PdbKind::Toll), 1);
  PdbRecord back;
  EXPECT_FALSE(files.ReadAt(1, back, PdbKind::Toll));
  EXPECT_FALSE(files.ReadAt(0, back, static_cast<PdbKind>(4)));
  // The next entry goes over the torn tail, where it is found again.
  WriteField(entry.name, "After a crash");
  ASSERT_TRUE(files.Append(entry, PdbKind::Toll));
  EXPECT_EQ(db.ReadFile("DORV21").size(), 2 * sizeof(PdbRecord));
  ASSERT_TRUE(files.ReadAt(1, back, PdbKind::Toll));
  EXPECT_EQ(ReadField(back.name), "After a crash");

  for (const char* name : {"first", "second", "third"}) {
    WriteField(entry.name, name);
    ASSERT_TRUE(files.Append(entry, PdbKind::AudioTex));
  }
  WriteField(entry.name, "middle");
  ASSERT_TRUE(files.WriteAt(1, entry, PdbKind::AudioTex));
  ASSERT_TRUE(files.ReadAt(0, back, PdbKind::AudioTex));
  for (const char* name : {"middle", "third"}) {
    ASSERT_TRUE(files.ReadNext(back, PdbKind::AudioTex));
    EXPECT_EQ(ReadField(back.name), name);
  }
  EXPECT_FALSE(files.ReadNext(back, PdbKind::AudioTex));

  // Deleting touches only the active flag of the record.
  std::string before = db.ReadFile("DORV21");
  ASSERT_TRUE(files.SetDeleted(0, true, PdbKind::Toll));
  EXPECT_EQ(db.ReadFile("DORV21"),
            before.substr(0, 1384) + std::string(4, '\0') + before.substr(1388));
  ASSERT_TRUE(files.SetDeleted(0, false, PdbKind::Toll));
  EXPECT_EQ(db.ReadFile("DORV21"), before);
  EXPECT_FALSE(files.SetDeleted(5, true, PdbKind::Toll));
}
