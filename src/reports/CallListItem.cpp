#include "reports/CallListItem.h"

#include <algorithm>

#include "data/CallLog.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/RecordText.h"
#include "rating/Surcharges.h"
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
    : m_name(TextOf(call.name)),
      m_numberText(platform::FromRecord(data::DialText(
          call, data::ReadField(myInfo.country), data::ReadField(myInfo.intlAccessCode), false))),
      m_duration(call.duration),
      m_memoFileNumber(call.memoFileNumber),
      m_start(call.start),
      m_cost(call.cost),
      m_surcharge(call.surcharge),
      m_surchargeTotal(rating::SumSurcharges(call.duration, call.surcharge, call.surcharges)),
      m_incoming(call.outgoing == 0),
      m_ratesChanged(call.ratesChanged != 0),
      m_clock12(myInfo.clock12 == 1),
      m_where(where) {
  std::copy(std::begin(call.surcharges), std::end(call.surcharges), std::begin(m_surcharges));
}

bool CallListItem::IsCopyOf(const data::CallLogRecord& record) const {
  return m_start == record.start && m_duration == record.duration &&
         m_memoFileNumber == record.memoFileNumber && m_name == TextOf(record.name);
}

QString CallListItem::Text(int column) const {
  switch (column) {
    // Formatted when asked, as the other texts are: a month lists many more calls than a
    // window paints.
    case kDate: return platform::FromRecord(data::DateTimeText(m_start, m_clock12));
    case kName: return m_name;
    case kType: return m_incoming ? res::kCallLogIncoming : res::kCallLogOutgoing;
    case kNumber: return m_numberText;
    case kLength: return platform::FromRecord(data::LengthText(m_duration));
    case kSurcharge: return platform::FromRecord(data::MoneyText(m_surchargeTotal, true));
    case kCost: return platform::FromRecord(data::MoneyText(m_cost, !SampleRates()));
    default: return {};
  }
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
