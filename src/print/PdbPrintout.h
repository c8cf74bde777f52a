#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/PdbRecord.h"
#include "print/PrintJob.h"

// The printout of one personal database entry: its data on one part, its memos on the other.

namespace dorv::print {

struct PrintedMemo {
  std::uint32_t key = 0;  // the call's start time
  std::string text;
  bool readable = true;
};

// An entry's memos in index order, deleted ones left out.
struct EntryMemos {
  bool accessible = true;  // false: the entry's memo files could not be opened
  std::vector<PrintedMemo> memos;
};

// Reads every memo of the entry and closes its memo files again. An entry that was never
// given memo files simply has none.
EntryMemos ReadEntryMemos(data::PdbFiles& pdb, const data::PdbRecord& entry);

// A text as printed lines: a line of its own for each line break, and each line broken at
// blanks so that no piece is too wide; a word too wide on its own is cut where it must be.
QStringList BreakIntoLines(const QString& text, const std::function<bool(const QString&)>& tooWide);

// The entry's type and name as "%s - %s", or whichever of them is not empty.
QString EntryNameLine(const data::PdbRecord& entry);
// The name line, or "Printing Record %i" when the entry has neither type nor name.
QString RecordStatusLine(const data::PdbRecord& entry, long position);
// A rate counting cents as a number of cents with two places: 7.5 gives "7.50".
QString CentsText(double cents);

struct PdbPrintout {
  const data::PdbRecord& entry;
  const data::MyInfo& me;
  std::time_t now;
  bool data = true;
  bool memo = true;
  EntryMemos memos;
};

// Prints the chosen parts on a job whose document has started, each part under its own page
// header, and ends with Finish; returns Finish's answer.
bool PrintPdbRecord(PrintJob& job, const PdbPrintout& printout);

}  // namespace dorv::print
