#include "reports/LogMonths.h"

#include <algorithm>

#include "data/MoneyText.h"
#include "platform/RecordText.h"

namespace dorv::reports {

QString MonthText(const data::LogMonth& month) {
  return platform::FromRecord(data::MonthName(month.month)) + ' ' + QString::number(month.year);
}

data::LogMonth MonthOf(std::time_t when) {
  std::tm parts{};
  if (localtime_r(&when, &parts) == nullptr) return {0, 0};
  return {parts.tm_mon + 1, parts.tm_year + 1900};
}

int InitialMonthIndex(const std::vector<data::LogMonth>& months, const data::LogMonth& current) {
  if (months.empty()) return -1;
  auto found = std::find(months.begin(), months.end(), current);
  return found == months.end() ? 0 : static_cast<int>(found - months.begin());
}

MonthRead ReadMonthCalls(data::CallLogFile& log, data::CallLogRecord& buffer,
                         const data::LogMonth& month,
                         const std::function<void(long index)>& onCall) {
  if (!log.OpenMonthNumber(month.month, month.year, false)) return MonthRead::NotOpened;
  long count = log.Count();
  MonthRead result = count < 0 ? MonthRead::Stopped : MonthRead::Complete;
  for (long index = 0; index < count; ++index) {
    if (!log.ReadRecord(index, buffer)) {
      result = MonthRead::Stopped;
      break;
    }
    onCall(index);
  }
  log.Close();
  return result;
}

bool ReadLoggedCall(data::CallLogFile& log, const LoggedCall& where, data::CallLogRecord& record) {
  if (!log.OpenMonthNumber(where.month, where.year, false)) return false;
  bool read = log.ReadRecord(where.recordIndex, record);
  log.Close();
  return read;
}

}  // namespace dorv::reports
