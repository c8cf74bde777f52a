#pragma once
#include <ctime>

#include "app/DataFiles.h"

class QWidget;

namespace dorv::app {

// The day the Monthly Billing command bills from: today's local date.
struct BillingToday {
  int month;  // 1 to 12
  int year;
  int day;
};
BillingToday BillingTodayOf(std::time_t now);

// Makes sure the month has its recurring charge file before the bill opens. A missing file is
// made from the default charges after asking whether to edit them first (Yes opens the
// defaults, No goes straight on, Cancel makes nothing). True when the Monthly Billing dialog
// should open.
bool PrepareMonthlyBilling(QWidget* parent, DataFiles& files, int month, int year);

}  // namespace dorv::app
