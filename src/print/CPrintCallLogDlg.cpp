#include "print/CPrintCallLogDlg.h"

#include "res/Strings.h"

namespace dorv::print {

CPrintCallLogDlg::CPrintCallLogDlg(CallLogPrintout log, QWidget* parent)
    : CPrintDialog({res::kPrintCallLogCaption, res::kPrintCallLogJob, 8, true}, parent),
      m_log(std::move(log)) {
  AddBox(res::kPrintBoxLog);
  SetStatus(res::kPrintCallLogStatus);
}

bool CPrintCallLogDlg::PrintParts(PrintJob& job) { return PrintCallLog(job, m_log); }

CPrintContactLogDlg::CPrintContactLogDlg(ContactLogPrintout log, const QString& statusLine,
                                         QWidget* parent)
    : CPrintDialog({res::kPrintContactLogCaption, res::kPrintContactLogJob, 9, false}, parent),
      m_log(std::move(log)) {
  AddBox(res::kPrintBoxLog);
  SetStatus(statusLine);
}

bool CPrintContactLogDlg::PrintParts(PrintJob& job) { return PrintContactLog(job, m_log); }

}  // namespace dorv::print
