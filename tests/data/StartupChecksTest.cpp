#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "data/DataDirectoryCheck.h"
#include "data/SampleFileCheck.h"
#include "support/SampleFixture.h"
#include "data/SampleImages.h"
#include "support/TempDatabase.h"
#include "support/Unprivileged.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

TEST(SampleFileCheck, NamesTheFirstDamagedFile) {
  RateFileImage rates;  // one service with two rows
  ASSERT_TRUE(AddService(rates, Service{}, {RateRow{}, RateRow{}}));
  const std::string cutRates = rates.data.substr(0, rates.data.size() - 1);
  struct Row {
    const char* name;
    std::vector<std::pair<const char*, std::string>> files;  // over the minimal sample files
    std::optional<DamagedSampleFile> expected;
  } rows[] = {
      {"sound, with a rate file", {{"dorv11", rates.data}, {"dorv16", rates.index}}, std::nullopt},
      {"empty location table", {{"dorv5", ""}}, DamagedSampleFile{"dorv5", SampleDamage::Empty}},
      {"torn state table", {{"dorv8", std::string(144, 's')}}, DamagedSampleFile{"dorv8", SampleDamage::PartialRecord}},
      {"empty index", {{"dorv11", rates.data}, {"dorv16", ""}}, DamagedSampleFile{"dorv16", SampleDamage::Empty}},
      {"rate file cut in its last row", {{"dorv11", cutRates}, {"dorv16", rates.index}}, DamagedSampleFile{"dorv16", SampleDamage::IndexPastEnd}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDatabase db;
    dorv::test::WriteMinimalSampleFiles(db);
    for (const auto& [name, bytes] : row.files) db.WriteFile(name, bytes);
    EXPECT_EQ(FindDamagedSampleFile(), row.expected);
  }
}

TEST(DataDirectoryCheck, NamesTheFirstUnusableFolder) {
  // A folder below DATABASE/, made unusable in the way expected.
  struct Row { const char *name, *folder; FolderProblem expected; } rows[] = {
      {"LOG missing", "LOG", FolderProblem::Missing},
      {"LOG read-only", "LOG", FolderProblem::ReadOnly},
      {"MEMO missing", "MEMO", FolderProblem::Missing}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDatabase db;
    const std::string folder = db.Path(row.folder);
    chmod((db.Path("") + "..").c_str(), 0755);
    for (const char* usable : {"", "LOG", "MEMO"}) chmod(db.Path(usable).c_str(), 0777);
    if (row.expected == FolderProblem::ReadOnly) chmod(folder.c_str(), 0555);
    else std::filesystem::remove(folder);
    dorv::test::Unprivileged user;  // the superuser may write anywhere
    if (!user.Active()) GTEST_SKIP() << "cannot change the user";
    EXPECT_EQ(FindDataFolderProblem(), (DataFolderProblem{folder, row.expected}));
  }
}
