#pragma once
#include "data/MyInfo.h"
#include "data/RecurringFile.h"

class QWidget;

namespace dorv::reports {

// One month's recurring charges as the Monthly Billing dialog holds them while it is open.
struct MonthRecurring {
  // The from day and thru day shown and saved (thru day 0 is the end of the month), and the
  // 20 charges, used ones packed at the front.
  data::RecurringFile contents{};
  // The month's open LOG/<Month><Year>.RCH. A save replaces the file whole and puts the new
  // file's handle here; the holder closes whatever handle it finds here when it is done.
  int handle = -1;
  int month = 0;  // 1 to 12
  int year = 0;
};

// The Recurring Charges dialog on the month's charges. A save writes the month's file and, only
// once that succeeded, puts the saved values into month. Returns the dialog's result code.
int RunRecurringCharges(QWidget* parent, MonthRecurring& month);

// The Recurring Charges dialog on the defaults every new month's file is made from; a save
// stores them in the settings record and writes the settings file.
int RunRecurringDefaults(QWidget* parent, data::MyInfo& info, data::MyInfoFile& file);

}  // namespace dorv::reports
