#include "reports/CallListItem.h"

#include <algorithm>

#include "data/FixedText.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

template <std::size_t N>
QString TextOf(const char (&field)[N]) {
  return platform::FromRecord(data::ReadField(field));
}

template <class T>
int Compare(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

CallListItem::CallListItem(const data::CallLogRecord& call, const data::MyInfo& myInfo,
                           LoggedCall where)
    : CallListItem(CallRowOf(call, myInfo, where)) {}

CallListItem::CallListItem(CallRow row)
    : m_row(std::move(row)),
      m_name(platform::FromRecord(m_row.name)),
      m_numberText(platform::FromRecord(m_row.numberText)) {}

bool CallListItem::IsCopyOf(const data::CallLogRecord& record) const {
  return m_row.start == record.start && m_row.duration == record.duration &&
         m_row.memoFileNumber == record.memoFileNumber && m_name == TextOf(record.name);
}

QString CallListItem::Text(int column) const {
  return platform::FromRecord(CallRowText(m_row, column));
}

LoggedCall PlaceAfterDeleting(const LoggedCall& call, const LoggedCall& deleted) {
  LoggedCall place = call;
  if (call.month == deleted.month && call.year == deleted.year &&
      call.recordIndex > deleted.recordIndex)
    --place.recordIndex;
  return place;
}

std::vector<platform::ListColumn> CallListColumns() {
  // The money columns get the room a marked amount of dollars needs to be read in full.
  return {{res::kCallLogColumnDate, 21, Qt::AlignLeft},
          {res::kColumnName, 20, Qt::AlignLeft},
          {res::kColumnType, 6, Qt::AlignHCenter},
          {res::kColumnPhoneNumber, 20, Qt::AlignLeft},
          {res::kCallLogColumnLength, 9, Qt::AlignHCenter},
          {res::kCallLogColumnSurcharge, 11, Qt::AlignRight},
          {res::kCallLogColumnCost, 13, Qt::AlignRight}};
}

int CompareCallRows(const CallListItem& x, const CallListItem& y, int column) {
  switch (column) {
    case CallListItem::kDate: return Compare(x.Start(), y.Start());
    case CallListItem::kName: return QString::compare(x.Name(), y.Name(), Qt::CaseInsensitive);
    // Incoming calls first.
    case CallListItem::kType: return Compare(!x.Incoming(), !y.Incoming());
    case CallListItem::kNumber:
      return QString::compare(x.NumberText(), y.NumberText(), Qt::CaseInsensitive);
    case CallListItem::kLength: return Compare(x.Duration(), y.Duration());
    case CallListItem::kSurcharge: return Compare(x.EntrySurcharge(), y.EntrySurcharge());
    case CallListItem::kCost: return Compare(x.Cost(), y.Cost());
    default: return 0;
  }
}

}  // namespace dorv::reports
