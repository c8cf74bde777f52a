#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "data/CallLogRecord.h"
#include "data/Charges.h"
#include "data/MyInfo.h"
#include "platform/ReportList.h"

namespace dorv::reports {

// Where a logged call lies: its month file and its position in it.
struct LoggedCall {
  int month;  // 1-12
  int year;
  long recordIndex;
};

// The row object of every call list and of the call printouts: a copy of the display fields
// of one logged call, where it lies, and the texts of its row.
class CallListItem final : public platform::ListRow {
 public:
  enum Column {
    kDate = 0, kName, kType, kNumber, kLength, kSurcharge, kCost, kColumnCount
  };

  CallListItem(const data::CallLogRecord& call, const data::MyInfo& myInfo, LoggedCall where);

  QString Text(int column) const override;

  const QString& Name() const { return m_name; }
  const QString& NumberText() const { return m_numberText; }
  std::uint32_t Duration() const { return m_duration; }
  std::uint32_t MemoFileNumber() const { return m_memoFileNumber; }
  std::uint32_t Start() const { return m_start; }
  double Cost() const { return m_cost; }
  // The personal database entry's part of the surcharges.
  double EntrySurcharge() const { return m_surcharge; }
  const data::Surcharge (&Surcharges() const)[10] { return m_surcharges; }
  // The entry surcharge and every slot's charge for this call's length.
  double SurchargeTotal() const { return m_surchargeTotal; }
  bool Incoming() const { return m_incoming; }
  // Rated with the sample rates supplied with the program, not with the user's own.
  bool SampleRates() const { return !m_ratesChanged; }
  // Where the call lay when it was read.
  const LoggedCall& Where() const { return m_where; }
  // Whether a record read from where this call lay is still this call.
  bool IsCopyOf(const data::CallLogRecord& record) const;

 private:
  QString m_name;
  QString m_numberText;
  std::uint32_t m_duration;  // seconds as stored, however long
  std::uint32_t m_memoFileNumber;
  std::uint32_t m_start;
  double m_cost;
  double m_surcharge;
  data::Surcharge m_surcharges[10];
  double m_surchargeTotal;
  bool m_incoming;
  bool m_ratesChanged;
  bool m_clock12;
  LoggedCall m_where;
};

// Where a call lies once another call was deleted from the logs: behind it in the same month's
// file, one place nearer the start; anywhere else, where it was.
LoggedCall PlaceAfterDeleting(const LoggedCall& call, const LoggedCall& deleted);

// The columns of a call list: Date, Name, Type, Phone Number, Length, Surcharge, Cost.
std::vector<platform::ListColumn> CallListColumns();

// Compares two call rows by a column's value: the start time, the name and number texts
// without regard to case, incoming before outgoing, the length, the entry surcharge, the cost.
int CompareCallRows(const CallListItem& x, const CallListItem& y, int column);

}  // namespace dorv::reports
