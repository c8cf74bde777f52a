// Every write path of the data files, with each system call it makes failing in turn: a failed
// operation leaves the user's files as they were, a successful one leaves exactly what a run
// without failures leaves.
#include <gtest/gtest.h>

#include <functional>

#include "data/CallLog.h"
#include "support/Builders.h"
#include "support/FakeMemoCounter.h"
#include "support/FaultInjector.h"
#include "data/FixedText.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "support/RecordingNotices.h"
#include "data/RecurringFile.h"
#include "data/Rewrite.h"
#include "support/TempDatabase.h"

using namespace dorv::data;
using namespace dorv::test;

namespace {

constexpr long kEntry = sizeof(PdbRecord);
constexpr long kCall = sizeof(CallLogRecord);

PdbRecord Entry(const char* name) {
  PdbRecord entry = FullEntry("", name, "555");
  entry.memoFileNumber = 0;  // no memo files yet
  return entry;
}

CallLogRecord Call(const char* name, std::uint32_t start) { return MakeCall({name, start}); }

MyInfo Settings(const std::string& name) {
  MyInfo info;
  ClearMyInfo(info);
  WriteField(info.name, name);
  return info;
}

void LayBooks(TempDatabase& db) {
  for (const char* book : {"DORV21", "DORV22", "DORV23"}) db.WriteFile(book, "");
  PdbFiles files;
  ASSERT_TRUE(files.Open());
  for (const char* name : {"Ann", "Bob"}) {
    PdbRecord entry = Entry(name);
    ASSERT_TRUE(files.Append(entry, PdbKind::Toll));
  }
}

void LayMonth(TempDatabase&) {
  RecordingNotices notices;
  CallLogFile log(notices);
  ASSERT_TRUE(log.OpenMonthNumber(12, 2030, true));
  ASSERT_TRUE(log.AppendRecord(Call("Ann", 100)) && log.AppendRecord(Call("Bob", 200)));
}

void LayMemos(TempDatabase& db) {
  for (const char* file : {"MEMO/3.MMO", "MEMO/3.INX"}) db.WriteFile(file, "");
  PdbFiles files;
  ASSERT_TRUE(files.OpenMemoFiles(3));
  ASSERT_TRUE(files.AddMemo("first", 200) && files.AddMemo("second", 100));
}

void LaySettings(TempDatabase& db) {
  MyInfo info = Settings("Old Name");
  db.WriteFile("MYINFO.BIN", RecordBytes(info));
}

bool CreateMarch2031() {
  RecordingNotices notices;
  int handle = CreateRecurringFile("March", "2031", Settings("x"), notices);
  if (handle >= 0) ::close(handle);
  return handle >= 0;
}

void LayRecurring(TempDatabase&) { ASSERT_TRUE(CreateMarch2031()); }

// A byte range of one file that an in-place write may leave torn when the disk keeps failing.
struct Range { std::string file; long from = 0, size = 0; };

struct WritePath {
  const char* name;
  std::function<void(TempDatabase&)> lay;
  std::function<bool()> run;
  std::vector<std::string> mayChange = {};  // counters that may move on even when the operation fails
  Range tearable = {};
};

const WritePath kPaths[] = {
    {"open the books", LayBooks, [] { PdbFiles f; return f.Open(); }},
    {"append an entry", LayBooks,
     [] { PdbFiles f; PdbRecord e = Entry("Cy"); return f.Open() && f.Append(e, PdbKind::Toll); }},
    {"rewrite an entry", LayBooks,
     [] { PdbFiles f; return f.Open() && f.WriteAt(1, Entry("Bea"), PdbKind::Toll); },
     {}, {"DORV21", kEntry, kEntry}},
    {"delete an entry", LayBooks,
     [] { PdbFiles f; return f.Open() && f.SetDeleted(0, true, PdbKind::Toll); },
     {}, {"DORV21", 0, kEntry}},
    {"compress a book", LayBooks,
     [] { return RewriteFile("DORV21", kEntry, [](const unsigned char*, long i) { return i == 1; }); }},
    {"open a month for saving", LayMonth,
     [] { RecordingNotices n; CallLogFile log(n); return log.OpenMonthNumber(12, 2030, true); }},
    {"log a call", LayMonth,
     [] { RecordingNotices n; CallLogFile log(n);
          return log.OpenMonthNumber(12, 2030, true) && log.AppendRecord(Call("Cy", 300)); }},
    {"log the first call of a month", [](TempDatabase&) {},
     [] { RecordingNotices n; CallLogFile log(n);
          return log.OpenMonthNumber(1, 2031, true) && log.AppendRecord(Call("Cy", 300)); },
     {"LOG/January2031.LOG"}},
    {"rewrite a logged call", LayMonth,
     [] { RecordingNotices n; CallLogFile log(n);
          return log.OpenMonthNumber(12, 2030, false) && log.WriteRecord(1, Call("Bea", 200)); },
     {}, {"LOG/December2030.LOG", kCall, kCall}},
    {"delete a logged call", LayMonth,
     [] { RecordingNotices n; CallLogFile log(n); return log.DeleteRecord(0, 12, 2030); }},
    {"first start writes the settings", [](TempDatabase&) {}, [] { MyInfoFile f; return f.Open(); }},
    {"open the settings", LaySettings, [] { MyInfoFile f; return f.Open(); }},
    {"save the settings", LaySettings, [] {
       MyInfoFile f;
       MyInfo read{};
       bool ok = f.Open() && f.Write(Settings("New Name"));
       // Whatever happened, the open file object still reads what is stored.
       return f.Read(read) && ReadField(read.name) == (ok ? "New Name" : "Old Name") && ok;
     }},
    {"create a month's recurring charges", [](TempDatabase&) {}, CreateMarch2031},
    {"save a month's recurring charges", LayRecurring, [] {
       int h = OpenRecurringFileNumber(3, 2031);
       RecurringFile contents{};
       contents.billingFromDay = 2;
       bool ok = h >= 0 && WriteRecurring(h, 3, 2031, contents);
       RecurringFile read{};
       ok = ReadRecurring(h, read) && read.billingFromDay == (ok ? 2 : 15) && ok;
       if (h >= 0) ::close(h);
       return ok;
     }},
    {"add a memo", LayMemos,
     [] { PdbFiles f; return f.OpenMemoFiles(3) && f.AddMemo("third", 150); }},
    {"delete a memo", LayMemos, [] { PdbFiles f; return f.DeleteMemoByKey(200, 3); }},
    {"give an entry its memo files", [](TempDatabase& db) { db.WriteFile("DORV98", std::string("\x05\0\0\0", 4)); },
     [] { FakeMemoCounter c; c.placeExists = true; c.value = 5; PdbFiles f; PdbRecord e = Entry("Cy");
          std::uint32_t n = 0; return f.CreateMemoFiles(c, e, n) && n == 5; },
     {"DORV98"}},
    {"reconcile the memo counter", [](TempDatabase& db) { db.WriteFile("DORV98", std::string("\x09\0\0\0", 4)); },
     [] { FakeMemoCounter c; c.placeExists = true; c.value = 5; PdbFiles f; return f.SyncCounter(c); }},
};

// Whether two snapshots agree, but for what the path lets a failure change.
void ExpectKept(const WritePath& path, bool sticky, std::map<std::string, std::string> expected,
                std::map<std::string, std::string> now) {
  for (const std::string& name : path.mayChange) now.erase(name), expected.erase(name);
  const Range& tear = path.tearable;
  if (sticky && !tear.file.empty() && now.count(tear.file) && expected.count(tear.file) &&
      now[tear.file].size() == expected[tear.file].size()) {
    now[tear.file].replace(tear.from, tear.size, std::string(tear.size, '?'));
    expected[tear.file].replace(tear.from, tear.size, std::string(tear.size, '?'));
  }
  EXPECT_EQ(now, expected);
}

}  // namespace

TEST(WriteFaults, EveryFailingCallLeavesTheOldFilesOrTheNewOnes) {
  const FailingCall calls[] = {FailingCall::Open, FailingCall::Write, FailingCall::Fsync,
                               FailingCall::Rename, FailingCall::Truncate};
  const Failure failures[] = {Failure::Once, Failure::Sticky, Failure::Short, Failure::HalfThenSticky};
  for (const WritePath& path : kPaths) {
    std::map<std::string, std::string> clean;
    {
      TempDatabase db;
      path.lay(db);
      ASSERT_TRUE(path.run()) << path.name;
      clean = SnapshotDatabase();
    }
    for (FailingCall call : calls) {
      for (Failure failure : failures) {
        bool halfWrite = failure == Failure::Short || failure == Failure::HalfThenSticky;
        if (halfWrite && call != FailingCall::Write) continue;
        for (int nth = 1; nth < 40; ++nth) {
          SCOPED_TRACE(std::string(path.name) + ": " + NameOf(call) + " #" + std::to_string(nth) +
                       " " + NameOf(failure));
          TempDatabase db;
          path.lay(db);
          auto before = SnapshotDatabase();
          bool ok, fired;
          {
            FaultInjector injector(call, nth, failure);
            ok = path.run();
            fired = injector.Fired();
          }
          if (!fired) break;
          if (ok) {
            EXPECT_EQ(SnapshotDatabase(), clean);
          } else {
            bool sticky = failure == Failure::Sticky || failure == Failure::HalfThenSticky;
            ExpectKept(path, sticky, before, SnapshotDatabase());
          }
        }
      }
    }
  }
}
