#pragma once
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <ctime>
#include <string>

#include "data/PdbRecord.h"
#include "reports/CallListPane.h"
#include "reports/CallReports.h"
#include "reports/MonthSpinBox.h"

namespace dorv::reports {

// The entry a contact log is opened on, with the texts its opener made for it.
struct ContactLogEntry {
  data::PdbRecord& entry;
  long recordNumber;   // where the entry lies in its book, for the printout
  QString nameText;    // "type - name"
  QString numberText;  // as the opener shows the entry's number
};

enum class ContactLogButton { Edit, Delete, Print, Close };

// Every logged call with one entry over a range of months: their list with totals, the
// focused call's memo and surcharges, and Edit and Delete of a call. The entry's memo files
// stay open while the dialog is.
class CContactLogDlg final : public QDialog {
  Q_OBJECT
 public:
  // Shows the calls of the current month.
  CContactLogDlg(const CallReportFiles& files, CallReportOpeners openers, ContactLogEntry contact,
                 QWidget* parent = nullptr, std::time_t now = std::time(nullptr));
  ~CContactLogDlg() override;
  CContactLogDlg(const CContactLogDlg&) = delete;
  CContactLogDlg& operator=(const CContactLogDlg&) = delete;

  // Lists the calls of the range anew.
  void LoadRange();

  MonthSpinBox& FromMonth() const { return *m_fromMonth; }
  QSpinBox& FromYear() const { return *m_fromYear; }
  MonthSpinBox& ThruMonth() const { return *m_thruMonth; }
  QSpinBox& ThruYear() const { return *m_thruYear; }
  const QLineEdit& NameField() const { return *m_name; }
  const QLineEdit& NumberField() const { return *m_number; }
  CallListPane& Calls() const { return *m_calls; }
  long RecordNumber() const { return m_recordNumber; }
  QPushButton& Button(ContactLogButton button) const;
  // Hands the calls as listed, their totals and the entry to the contact log printout.
  void OnPrint();

 private:
  void BuildControls(const ContactLogEntry& contact);
  void OpenEntryMemo();
  CallMemoState ReadMemo(const CallListItem& call, std::string& text);

  CallReportFiles m_files;
  CallReportOpeners m_openers;
  data::PdbRecord& m_entry;
  long m_recordNumber;
  bool m_entryMemoOpen = false;

  QLineEdit* m_name = nullptr;
  QLineEdit* m_number = nullptr;
  MonthSpinBox* m_fromMonth = nullptr;
  QSpinBox* m_fromYear = nullptr;
  MonthSpinBox* m_thruMonth = nullptr;
  QSpinBox* m_thruYear = nullptr;
  CallListPane* m_calls = nullptr;
  QPushButton* m_print = nullptr;
  QPushButton* m_export = nullptr;
  QPushButton* m_close = nullptr;
};

}  // namespace dorv::reports
