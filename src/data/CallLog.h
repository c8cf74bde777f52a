#pragma once
#include <string>
#include <vector>

#include "CallLogRecord.h"
#include "Notices.h"
#include "PdbText.h"
#include "RecordFile.h"

namespace dorv::data {

// The month files of logged calls, LOG/<Month><Year>.LOG: a bare array of call records.
// One month file is open at a time. Every operation reports success by its result.
class CallLogFile {
 public:
  explicit CallLogFile(Notices& notices) : m_notices(notices) {}
  // Read-only: every month is opened for reading only and none is ever created, whatever an
  // open asks for.
  struct ReadOnly {};
  CallLogFile(Notices& notices, ReadOnly) : m_notices(notices), m_readOnly(true) {}
  ~CallLogFile();
  CallLogFile(const CallLogFile&) = delete;
  CallLogFile& operator=(const CallLogFile&) = delete;

  // Opens the month's file; with create set, a missing file (and only a missing one) is made and
  // the user told so.
  bool OpenMonth(const std::string& monthName, const std::string& yearText, bool create);
  // Month 1-12 and a four-digit year; any other month fails without touching the disk.
  bool OpenMonthNumber(int month, int year, bool create);
  void Close();
  bool IsOpen() const { return m_file.IsOpen(); }
  const std::string& Path() const { return m_path; }

  long Count();  // whole records; -1 when the length cannot be found
  bool ReadRecord(long index, CallLogRecord& record);
  // Reads count records from index on in one go; false, with nothing promised of the records,
  // when any of them cannot be read.
  bool ReadRecords(long index, long count, CallLogRecord* records);
  bool WriteRecord(long index, const CallLogRecord& record);
  // Adds the call behind the last whole record; a failed append leaves the file as it was.
  bool AppendRecord(const CallLogRecord& record);
  // Rewrites the month's file without the record at index; the open file, if any, is closed.
  // An index past the end leaves every record in place.
  bool DeleteRecord(long index, int month, int year);

 private:
  Notices& m_notices;
  bool m_readOnly = false;
  RecordFile m_file;
  std::string m_path;
};

// File name of a month's log below DATABASE/, e.g. "LOG/December1998.LOG".
std::string CallLogName(const std::string& monthName, const std::string& yearText);

struct LogMonth {
  int month;  // 1-12
  int year;
  bool operator==(const LogMonth&) const = default;
};

// Whether a month has no log file at all, as opposed to one that is there but cannot be opened.
bool CallLogMissing(int month, int year);

// The months that have a log file, oldest first; names that are not <Month><Year>.LOG are skipped.
std::vector<LogMonth> ListLogMonths();

inline std::string DialText(const CallLogRecord& call, const std::string& myCountry,
                            const std::string& myIntlAccessCode, bool withLetters) {
  return DialText(NumberPartsOf(call), myCountry, myIntlAccessCode, withLetters);
}
inline std::string LocationText(const CallLogRecord& call) {
  return LocationText(LocationPartsOf(call));
}

}  // namespace dorv::data
