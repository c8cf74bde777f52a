#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "data/DataDirectoryCheck.h"
#include "data/SampleFileCheck.h"
#include "data/SampleFixture.h"
#include "data/SampleImages.h"
#include "data/TempDatabase.h"
#include "data/Unprivileged.h"

using namespace dorv::data;
using dorv::test::TempDatabase;

namespace {

// A rate file "dorv11" of one service with two rows, and its index "dorv16".
RateFileImage OneService() {
  RateFileImage image;
  Service service{};
  EXPECT_TRUE(AddService(image, service, {RateRow{}, RateRow{}}));
  return image;
}

std::string Cut(std::string bytes, std::size_t count) { return bytes.substr(0, bytes.size() - count); }

}  // namespace

TEST(SampleFileCheck, NamesTheFirstDamagedFile) {
  const std::string location(sizeof(SampleLocation), 'x');
  const RateFileImage rates = OneService();
  using Files = std::vector<std::pair<const char*, std::string>>;
  struct Row {
    const char* name;
    Files files;  // written over the minimal sample files
    std::optional<DamagedSampleFile> expected;
  } rows[] = {
      {"sound files, no rate files", {}, std::nullopt},
      {"sound rate file", {{"dorv11", rates.data}, {"dorv16", rates.index}}, std::nullopt},
      {"empty location table", {{"dorv5", ""}}, DamagedSampleFile{"dorv5", SampleDamage::Empty}},
      {"torn location table", {{"dorv6", location + "x"}}, DamagedSampleFile{"dorv6", SampleDamage::PartialRecord}},
      {"torn state table", {{"dorv8", std::string(144, 's')}}, DamagedSampleFile{"dorv8", SampleDamage::PartialRecord}},
      {"empty companies", {{"dorv9", ""}}, DamagedSampleFile{"dorv9", SampleDamage::Empty}},
      {"torn band titles", {{"dorv1", std::string(33, 'b')}}, DamagedSampleFile{"dorv1", SampleDamage::PartialRecord}},
      {"empty index", {{"dorv11", rates.data}, {"dorv16", ""}}, DamagedSampleFile{"dorv16", SampleDamage::Empty}},
      {"empty rate file", {{"dorv11", ""}, {"dorv16", rates.index}}, DamagedSampleFile{"dorv11", SampleDamage::Empty}},
      {"rate file cut in its last row", {{"dorv11", Cut(rates.data, 1)}, {"dorv16", rates.index}}, DamagedSampleFile{"dorv16", SampleDamage::IndexPastEnd}},
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
  namespace fs = std::filesystem;
  struct Row {
    const char* name;
    std::function<void(const TempDatabase&)> spoil;
    const char* folder;  // below the temporary directory
    std::optional<FolderProblem> expected;
  } rows[] = {
      {"all usable", [](const TempDatabase&) {}, "", std::nullopt},
      {"no LOG", [](const TempDatabase& db) { fs::remove(db.Path("LOG")); }, "DATABASE/LOG", FolderProblem::Missing},
      {"MEMO is a file", [](const TempDatabase& db) { fs::remove(db.Path("MEMO")); db.WriteFile("MEMO", ""); }, "DATABASE/MEMO", FolderProblem::Missing},
      {"read-only DATABASE", [](const TempDatabase& db) { chmod(db.Path("").c_str(), 0555); }, "DATABASE", FolderProblem::ReadOnly},
      {"read-only LOG", [](const TempDatabase& db) { chmod(db.Path("LOG").c_str(), 0555); }, "DATABASE/LOG", FolderProblem::ReadOnly},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDatabase db;
    const fs::path root = fs::path(db.Path("")).parent_path().parent_path();
    chmod(root.c_str(), 0755);
    for (const char* folder : {"", "LOG", "MEMO"}) chmod(db.Path(folder).c_str(), 0777);
    row.spoil(db);
    dorv::test::Unprivileged user;
    if (!user.Active()) GTEST_SKIP() << "cannot act as an ordinary user";
    const auto found = FindDataFolderProblem();
    if (!row.expected) {
      EXPECT_EQ(found, std::nullopt);
      continue;
    }
    EXPECT_EQ(found, (DataFolderProblem{(root / row.folder).string(), *row.expected}));
  }
}
