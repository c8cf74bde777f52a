#pragma once
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "data/CallLogRecord.h"
#include "data/MyInfo.h"

namespace dorv::reports {

// The four sections of calls on the bill.
enum class BillingClass {
  Local = 1,
  LongDistance = 2,
  International = 3,
  TollFreeAudioTex = 4  // toll free and AudioTex
};
inline constexpr int kBillingClassCount = 4;
inline int IndexOf(BillingClass billingClass) { return static_cast<int>(billingClass) - 1; }

struct BillDate {
  int month;  // 1-12
  int day;
  int year;
  bool operator==(const BillDate&) const = default;
};

inline constexpr int kFirstBillYear = 1980;
inline constexpr int kLastBillYear = 2999;

// The last day of the cycle that starts on a From date: the calendar month for day 1; the day
// before the same day of the next month for days 2 to 28 that are not the month's last;
// otherwise the last day of the next month.
BillDate ThruDate(const BillDate& from);

// The From date at opening, from today and the from day of the month's recurring charges:
// last month when today comes before the from day; a from day past the month's end becomes
// its last day.
BillDate FromDateAtOpening(const BillDate& today, int fromDay);

// The From date after its spins moved it. Month: wraps into the next or the previous year.
// Year: kept within kFirstBillYear to kLastBillYear. Day: from the first day back to the last
// day of the previous month, from the last day on to the first of the next. A step that would
// leave the years a bill can be made for is refused. The day then stays within its month.
BillDate StepFromMonth(BillDate from, int steps);
BillDate StepFromYear(BillDate from, int steps);
BillDate StepFromDay(BillDate from, int steps);

// The calls of a cycle: those that start from 00:00:00 of the From date through 23:59:59 of
// the Thru date, in local time. Start times are unsigned 32-bit seconds; the bounds are kept
// wider so that a cycle beyond the last representable time simply holds no calls.
class BillCycle {
 public:
  BillCycle(const BillDate& from, const BillDate& thru);
  bool Contains(std::uint32_t start) const { return start > m_after && start <= m_last; }

 private:
  std::int64_t m_after;  // 23:59:59 of the day before the From date
  std::int64_t m_last;   // 23:59:59 of the Thru date
};

// The section of the bill a call belongs in: toll free and AudioTex by area code; then
// international when it has a country code and is dialled abroad; then local when it lies in
// the user's own marked location and state in the United States or Canada; otherwise long
// distance.
BillingClass ClassOf(const data::CallLogRecord& call, const data::MyInfo& myInfo);

struct ClassTotals {
  double cost = 0;  // cents: the calls' costs and surcharges
  std::int64_t count = 0;
  std::int64_t seconds = 0;
};

struct BillTotals {
  std::array<ClassTotals, kBillingClassCount> classes{};
  double recurring = 0;  // cents

  ClassTotals& Of(BillingClass billingClass) { return classes[IndexOf(billingClass)]; }
  const ClassTotals& Of(BillingClass billingClass) const {
    return classes[IndexOf(billingClass)];
  }
  void AddCall(BillingClass billingClass, double costWithSurcharges, std::uint32_t seconds);
  // The four sections' costs together.
  double Calls() const;
  double Total() const { return Calls() + recurring; }
};

// The bill's figures as shown, every amount unmarked.
struct ClassTexts {
  std::string count, length, cost;
};
struct BillTexts {
  std::string recurring;
  std::array<ClassTexts, kBillingClassCount> classes;
  std::string calls, total;
};
BillTexts TextsOf(const BillTotals& totals);

// A date at the given time of day, local time; -1 when the calendar cannot give it.
std::time_t LocalTimeOf(const BillDate& date, int hour, int minute, int second);

}  // namespace dorv::reports
