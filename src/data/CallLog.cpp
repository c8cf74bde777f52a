#include "CallLog.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "DatabaseDir.h"
#include "MoneyText.h"
#include "Rewrite.h"
#include "TextPattern.h"
#include "res/Strings.h"

namespace dorv::data {
namespace {

constexpr off_t kRecordSize = sizeof(CallLogRecord);
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

CallLogFile::~CallLogFile() { Close(); }

bool CallLogFile::OpenMonth(const std::string& monthName, const std::string& yearText,
                            bool create) {
  Close();
  auto path = DatabasePath(CallLogName(monthName, yearText));
  if (!path) return false;
  m_path = *path;
  m_fd = ::open(m_path.c_str(), O_RDWR | O_CLOEXEC);
  if (m_fd < 0 && create) {
    m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (m_fd >= 0) m_notices.Notice(FillPattern(res::kNoticeCallLogCreated, {monthName, yearText}));
  }
  return m_fd >= 0;
}

bool CallLogFile::OpenMonthNumber(int month, int year, bool create) {
  if (month < 1 || month > 12) return false;
  return OpenMonth(MonthName(month), std::to_string(year), create);
}

void CallLogFile::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

long CallLogFile::Count() {
  if (m_fd < 0) return -1;
  off_t end = ::lseek(m_fd, 0, SEEK_END);
  if (end < 0) return -1;
  return static_cast<long>(end / kRecordSize);
}

bool CallLogFile::ReadRecord(long index, CallLogRecord& record) {
  ClearCallRecord(record, true);
  if (m_fd < 0 || index < 0) return false;
  return ::pread(m_fd, &record, sizeof record, index * kRecordSize) ==
         static_cast<ssize_t>(sizeof record);
}

bool CallLogFile::WriteRecord(long index, const CallLogRecord& record) {
  if (m_fd < 0 || index < 0) return false;
  return ::pwrite(m_fd, &record, sizeof record, index * kRecordSize) ==
         static_cast<ssize_t>(sizeof record);
}

bool CallLogFile::AppendRecord(const CallLogRecord& record) {
  if (m_fd < 0) return false;
  off_t oldLength = ::lseek(m_fd, 0, SEEK_END);
  if (oldLength < 0) return false;
  if (::pwrite(m_fd, &record, sizeof record, oldLength) == static_cast<ssize_t>(sizeof record))
    return true;
  // A torn record would shift every later append: cut it off again.
  [[maybe_unused]] int undone = ::ftruncate(m_fd, oldLength);
  return false;
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
