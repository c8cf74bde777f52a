#include "CallLog.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "DatabaseDir.h"
#include "MoneyText.h"
#include "Rewrite.h"
#include "TextPattern.h"
#include "res/Strings.h"

namespace dorv::data {
namespace {

constexpr long long kRecordSize = sizeof(CallLogRecord);
constexpr const char* kLogSuffix = ".LOG";

// "December1998.LOG" -> {12, 1998}; false for any other name.
bool ParseLogName(const std::string& name, LogMonth& out) {
  const std::string suffix = kLogSuffix;
  if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  std::string stem = name.substr(0, name.size() - suffix.size());
  for (int month = 1; month <= 12; ++month) {
    std::string monthName = res::kMonthNames[month - 1];
    if (stem.rfind(monthName, 0) != 0) continue;
    std::string yearText = stem.substr(monthName.size());
    if (yearText.size() != 4 ||
        !std::all_of(yearText.begin(), yearText.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return false;
    out = {month, std::atoi(yearText.c_str())};
    return true;
  }
  return false;
}

}  // namespace

std::string CallLogName(const std::string& monthName, const std::string& yearText) {
  return "LOG/" + monthName + yearText + kLogSuffix;
}

bool CallLogMissing(int month, int year) {
  if (month < 1 || month > 12) return true;
  auto path = DatabasePath(CallLogName(MonthName(month), std::to_string(year)));
  struct stat info {};
  return path && ::stat(path->c_str(), &info) != 0 && errno == ENOENT;
}

CallLogFile::~CallLogFile() { Close(); }

bool CallLogFile::OpenMonth(const std::string& monthName, const std::string& yearText,
                            bool create) {
  Close();
  const std::string name = CallLogName(monthName, yearText);
  auto path = DatabasePath(name);
  if (!path) return false;
  m_path = *path;
  if (m_readOnly) return m_file.Open(name, false);
  if (!create) return m_file.Open(name, true);
  bool created = false;
  if (!m_file.OpenOrCreate(name, created)) return false;
  if (created) m_notices.Notice(FillPattern(res::kNoticeCallLogCreated, {monthName, yearText}));
  return true;
}

bool CallLogFile::OpenMonthNumber(int month, int year, bool create) {
  if (month < 1 || month > 12) return false;
  return OpenMonth(MonthName(month), std::to_string(year), create);
}

void CallLogFile::Close() { m_file.Close(); }

long CallLogFile::Count() { return m_file.Count(sizeof(CallLogRecord)); }

bool CallLogFile::ReadRecord(long index, CallLogRecord& record) {
  ClearCallRecord(record, true);
  if (!m_file.IsOpen() || index < 0) return false;
  if (m_file.ReadAt(index * kRecordSize, &record, sizeof record)) return true;
  ClearCallRecord(record, true);
  return false;
}

bool CallLogFile::ReadRecords(long index, long count, CallLogRecord* records) {
  if (!m_file.IsOpen() || index < 0 || count < 0) return false;
  return count == 0 || m_file.ReadAt(index * kRecordSize, records,
                                     static_cast<std::size_t>(count) * sizeof(CallLogRecord));
}

bool CallLogFile::WriteRecord(long index, const CallLogRecord& record) {
  if (index < 0) return false;
  return m_file.WriteAt(index * kRecordSize, &record, sizeof record);
}

bool CallLogFile::AppendRecord(const CallLogRecord& record) {
  return m_file.Append(&record, sizeof record);
}

bool CallLogFile::DeleteRecord(long index, int month, int year) {
  if (month < 1 || month > 12) return false;
  Close();
  return RewriteFile(CallLogName(MonthName(month), std::to_string(year)), sizeof(CallLogRecord),
                     [index](const unsigned char*, long i) { return i != index; });
}

std::vector<LogMonth> ListLogMonths() {
  std::vector<LogMonth> months;
  auto dirPath = DatabasePath("LOG");
  if (!dirPath) return months;
  DIR* dir = ::opendir(dirPath->c_str());
  if (!dir) return months;
  while (dirent* entry = ::readdir(dir)) {
    LogMonth month{};
    if (ParseLogName(entry->d_name, month)) months.push_back(month);
  }
  ::closedir(dir);
  std::sort(months.begin(), months.end(), [](const LogMonth& a, const LogMonth& b) {
    return a.year != b.year ? a.year < b.year : a.month < b.month;
  });
  return months;
}

}  // namespace dorv::data
