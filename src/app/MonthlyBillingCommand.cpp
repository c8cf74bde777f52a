#include "app/MonthlyBillingCommand.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "data/MoneyText.h"
#include "data/RecurringFile.h"
#include "platform/Messages.h"
#include "reports/MonthRecurring.h"
#include "res/Strings.h"

namespace dorv::app {

BillingToday BillingTodayOf(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_mon + 1, local.tm_year + 1900, local.tm_mday};
}

bool PrepareMonthlyBilling(QWidget* parent, DataFiles& files, int month, int year) {
  const int existing = data::OpenRecurringFileNumber(month, year);
  if (existing >= 0) {
    ::close(existing);
    return true;
  }
  // A file that is there but cannot be opened must not be taken for a missing month.
  if (errno != ENOENT) {
    platform::Ask(parent, res::kErrorRecurringFileAccess);
    return false;
  }
  const std::string monthName = data::MonthName(month);
  const QString question = QString(res::kAskCreateRecurringFile)
                               .replace("%s", QString::fromStdString(monthName))
                               .replace("%i", QString::number(year));
  const auto answer =
      platform::Ask(parent, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QMessageBox::Question);
  if (answer == QMessageBox::Yes)
    reports::RunRecurringDefaults(parent, files.myInfo, files.myInfoFile);
  else if (answer != QMessageBox::No)
    return false;
  const int created =
      data::CreateRecurringFile(monthName, std::to_string(year), files.myInfo, files.notices);
  if (created < 0) {
    platform::Ask(parent, res::kErrorRecurringFileAccess);
    return false;
  }
  ::close(created);
  return true;
}

}  // namespace dorv::app
