#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "data/CallLogRecord.h"
#include "data/Charges.h"
#include "data/MyInfo.h"
#include "platform/ReportList.h"
#include "reports/CallRow.h"

namespace dorv::reports {

// The row object of every call list and of the call printouts: the call's row as every call
// list shows it.
class CallListItem final : public platform::ListRow {
 public:
  enum Column {
    kDate = kCallDate, kName = kCallName, kType = kCallType, kNumber = kCallNumber,
    kLength = kCallLength, kSurcharge = kCallSurcharge, kCost = kCallCost,
    kColumnCount = kCallColumnCount
  };

  CallListItem(const data::CallLogRecord& call, const data::MyInfo& myInfo, LoggedCall where);
  explicit CallListItem(CallRow row);

  QString Text(int column) const override;

  const QString& Name() const { return m_name; }
  const QString& NumberText() const { return m_numberText; }
  std::uint32_t Duration() const { return m_row.duration; }
  std::uint32_t MemoFileNumber() const { return m_row.memoFileNumber; }
  std::uint32_t Start() const { return m_row.start; }
  double Cost() const { return m_row.cost; }
  // The personal database entry's part of the surcharges.
  double EntrySurcharge() const { return m_row.surcharge; }
  const data::Surcharge (&Surcharges() const)[10] { return m_row.surcharges; }
  // The entry surcharge and every slot's charge for this call's length.
  double SurchargeTotal() const { return m_row.surchargeTotal; }
  bool Incoming() const { return m_row.incoming; }
  // Rated with the sample rates supplied with the program, not with the user's own.
  bool SampleRates() const { return m_row.sampleRates; }
  // Where the call lay when it was read.
  const LoggedCall& Where() const { return m_row.where; }
  const CallRow& Row() const { return m_row; }
  // Whether a record read from where this call lay is still this call.
  bool IsCopyOf(const data::CallLogRecord& record) const;

 private:
  CallRow m_row;
  QString m_name;
  QString m_numberText;
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
