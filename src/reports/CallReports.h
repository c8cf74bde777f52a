#pragma once
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "data/CallLog.h"
#include "data/CallLogRecord.h"
#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "reports/CallListItem.h"
#include "reports/CallTotals.h"

namespace dorv::reports {

// The file objects the call reports read and change.
struct CallReportFiles {
  data::CallLogFile& callLog;
  data::CallLogRecord& currentCall;  // the call the call screen works on
  data::PdbFiles& pdb;               // for the memo files
  const data::MyInfo& myInfo;
};

// What a call list hands its printout: the rows in the order shown, the month text and the
// running totals.
struct CallListPrint {
  std::vector<const CallListItem*> rows;
  QString monthText;
  CallTotals totals;
};

// What a contact log hands its printout: its list, the entry's texts it shows, and the
// printout dialog's status line naming the entry.
struct ContactLogPrint {
  CallListPrint list;
  QString nameText;
  QString numberText;
  QString statusLine;
};

// The dialogs a call report opens that live elsewhere. A button whose opener is not set
// stays disabled.
struct CallReportOpeners {
  // Reopens a logged call, already read into the current call, in the call screen; returns
  // the screen's result, 1 when the call was saved.
  std::function<int(const LoggedCall& where, data::CallLogRecord& call, QWidget* parent)>
      callScreen;
  std::function<void(const CallListPrint& list, QWidget* parent)> print;
  std::function<void(const ContactLogPrint& contact, QWidget* parent)> printContact;
};

}  // namespace dorv::reports
