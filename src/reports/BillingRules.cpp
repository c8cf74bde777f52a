#include "reports/BillingRules.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "data/Calendar.h"
#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "data/PdbText.h"

namespace dorv::reports {
namespace {

int LastDay(const BillDate& date) { return data::DaysInMonth(date.month, date.year); }

BillDate NextMonth(BillDate date) {
  if (++date.month > 12) {
    date.month = 1;
    ++date.year;
  }
  return date;
}

BillDate PreviousMonth(BillDate date) {
  if (--date.month < 1) {
    date.month = 12;
    --date.year;
  }
  return date;
}

bool InBillYears(const BillDate& date) {
  return date.year >= kFirstBillYear && date.year <= kLastBillYear;
}

BillDate KeepDayInMonth(BillDate date) {
  date.day = std::clamp(date.day, 1, LastDay(date));
  return date;
}

}  // namespace

BillDate ThruDate(const BillDate& from) {
  const int days = LastDay(from);
  if (from.day == 1) return {from.month, days, from.year};
  BillDate next = NextMonth(from);
  if (from.day >= 2 && from.day <= 28 && from.day != days) {
    next.day = from.day - 1;
    return next;
  }
  next.day = LastDay(next);
  return next;
}

BillDate FromDateAtOpening(const BillDate& today, int fromDay) {
  // A damaged file's from day below 1 starts the cycle on the first.
  fromDay = std::max(fromDay, 1);
  BillDate from = today.day < fromDay ? PreviousMonth(today) : today;
  from.day = std::min(fromDay, LastDay(from));
  return from;
}

BillDate StepFromMonth(BillDate from, int steps) {
  BillDate moved = from;
  for (int i = 0; i < std::abs(steps); ++i)
    moved = steps > 0 ? NextMonth(moved) : PreviousMonth(moved);
  return InBillYears(moved) ? KeepDayInMonth(moved) : from;
}

BillDate StepFromYear(BillDate from, int steps) {
  BillDate moved = from;
  moved.year += steps;
  return InBillYears(moved) ? KeepDayInMonth(moved) : from;
}

BillDate StepFromDay(BillDate from, int steps) {
  BillDate moved = KeepDayInMonth(from);
  for (int i = 0; i < std::abs(steps); ++i) {
    if (steps > 0) {
      if (moved.day >= LastDay(moved)) {
        moved = NextMonth(moved);
        moved.day = 1;
      } else {
        ++moved.day;
      }
    } else if (moved.day <= 1) {
      moved = PreviousMonth(moved);
      moved.day = LastDay(moved);
    } else {
      --moved.day;
    }
  }
  return InBillYears(moved) ? moved : from;
}

std::time_t LocalTimeOf(const BillDate& date, int hour, int minute, int second) {
  std::tm parts{};
  parts.tm_year = date.year - 1900;
  parts.tm_mon = date.month - 1;
  parts.tm_mday = date.day;
  parts.tm_hour = hour;
  parts.tm_min = minute;
  parts.tm_sec = second;
  parts.tm_isdst = -1;  // the calendar decides whether summer time applies
  return std::mktime(&parts);
}

BillCycle::BillCycle(const BillDate& from, const BillDate& thru) {
  BillDate dayBefore = from;
  if (--dayBefore.day < 1) {
    dayBefore = PreviousMonth(dayBefore);
    dayBefore.day = LastDay(dayBefore);
  }
  const std::time_t after = LocalTimeOf(dayBefore, 23, 59, 59);
  const std::time_t last = LocalTimeOf(thru, 23, 59, 59);
  // A date the calendar cannot place makes the cycle empty rather than all-embracing.
  if (after == -1 || last == -1) {
    m_after = std::numeric_limits<std::int64_t>::max();
    m_last = 0;
    return;
  }
  m_after = after;
  m_last = last;
}

BillingClass ClassOf(const data::CallLogRecord& call, const data::MyInfo& myInfo) {
  const std::string areaCode = data::ReadField(call.areaCode);
  if (areaCode == "800" || areaCode == "888" || areaCode == "900")
    return BillingClass::TollFreeAudioTex;
  const std::string country = data::ReadField(call.country);
  if (!data::ReadField(call.countryCode).empty() &&
      data::DialledAbroad(country, data::ReadField(myInfo.country)))
    return BillingClass::International;
  const char mark = call.locationMark;
  const char myMark = static_cast<char>(myInfo.locationMark);
  const bool sameMark = mark == myMark && mark != '-' && myMark != '-';
  const bool sameState =
      data::EqualsNoCase(data::ReadField(call.state), data::ReadField(myInfo.state));
  const bool northAmerican =
      data::EqualsNoCase(country, "United States") || data::EqualsNoCase(country, "Canada");
  return sameMark && sameState && northAmerican ? BillingClass::Local : BillingClass::LongDistance;
}

void BillTotals::AddCall(BillingClass billingClass, double costWithSurcharges,
                         std::uint32_t seconds) {
  ClassTotals& totals = Of(billingClass);
  totals.cost += costWithSurcharges;
  ++totals.count;
  totals.seconds += seconds;
}

double BillTotals::Calls() const {
  return Of(BillingClass::TollFreeAudioTex).cost + Of(BillingClass::LongDistance).cost +
         Of(BillingClass::International).cost + Of(BillingClass::Local).cost;
}

BillTexts TextsOf(const BillTotals& totals) {
  BillTexts texts;
  texts.recurring = data::MoneyText(totals.recurring, true);
  for (int i = 0; i < kBillingClassCount; ++i) {
    const ClassTotals& section = totals.classes[i];
    texts.classes[i] = {std::to_string(section.count), data::LengthText(section.seconds),
                        data::MoneyText(section.cost, true)};
  }
  texts.calls = data::MoneyText(totals.Calls(), true);
  texts.total = data::MoneyText(totals.Total(), true);
  return texts;
}

}  // namespace dorv::reports
