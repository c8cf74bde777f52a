#include "RecurringFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "DatabaseDir.h"
#include "FileCalls.h"
#include "Rewrite.h"
#include "TextPattern.h"
#include "res/Strings.h"

namespace dorv::data {
namespace {

std::string RelativeName(const std::string& monthName, const std::string& yearText) {
  return "LOG/" + monthName + yearText + ".RCH";
}

}  // namespace

int CreateRecurringFile(const std::string& monthName, const std::string& yearText,
                        const MyInfo& info, Notices& notices) {
  auto path = DatabasePath(RelativeName(monthName, yearText));
  if (!path) return -1;
  // Never truncate a month that already has its file: its charges may have been edited.
  int fd = ::open(path->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  RecurringFile contents{};
  contents.billingFromDay = info.billingFromDay;
  contents.billingThruDay = info.billingThruDay;
  std::memcpy(contents.charges, info.recurringDefaults, sizeof contents.charges);
  if (!WriteFully(fd, &contents, sizeof contents, 0) || Calls().fsync(fd) != 0) {
    ::close(fd);
    ::unlink(path->c_str());
    return -1;
  }
  notices.Notice(FillPattern(res::kNoticeRecurringCreated, {monthName, yearText}));
  return fd;
}

int OpenRecurringFile(const std::string& monthName, const std::string& yearText) {
  auto path = DatabasePath(RelativeName(monthName, yearText));
  if (!path) return -1;
  return ::open(path->c_str(), O_RDWR | O_CLOEXEC);
}

int OpenRecurringFileNumber(int month, int year) {
  if (month < 1 || month > 12) return -1;
  return OpenRecurringFile(MonthName(month), std::to_string(year));
}

int OpenRecurringFileForReading(int month, int year) {
  if (month < 1 || month > 12) return -1;
  auto path = DatabasePath(RelativeName(MonthName(month), std::to_string(year)));
  if (!path) return -1;
  return ::open(path->c_str(), O_RDONLY | O_CLOEXEC);
}

bool ReadRecurring(int handle, RecurringFile& contents) {
  return ReadFully(handle, &contents, sizeof contents, 0);
}

bool WriteRecurring(int& handle, int month, int year, const RecurringFile& contents) {
  if (handle < 0 || month < 1 || month > 12) return false;
  int fd = ReplaceFile(RelativeName(MonthName(month), std::to_string(year)), &contents, sizeof contents);
  if (fd < 0) return false;
  ::close(handle);
  handle = fd;
  return true;
}

}  // namespace dorv::data
