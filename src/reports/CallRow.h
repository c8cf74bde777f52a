#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "data/CallLogRecord.h"
#include "data/Charges.h"
#include "data/MyInfo.h"

namespace dorv::reports {

// Where a logged call lies: its month file and its position in it.
struct LoggedCall {
  int month;  // 1-12
  int year;
  long recordIndex;
};

// The columns of every call list: Date, Name, Type, Phone Number, Length, Surcharge, Cost.
enum CallColumn {
  kCallDate = 0,
  kCallName,
  kCallType,
  kCallNumber,
  kCallLength,
  kCallSurcharge,
  kCallCost,
  kCallColumnCount
};

// What every call list shows of one logged call: a copy of its display fields, where it lies
// and its date text. Texts are as stored, one Latin-1 byte a character.
struct CallRow {
  std::string name;
  std::string numberText;  // as dialled, letters kept
  std::uint32_t duration;  // seconds as stored, however long
  std::uint32_t memoFileNumber;
  std::uint32_t start;
  double cost;       // cents
  double surcharge;  // cents, the personal database entry's part of the surcharges
  data::Surcharge surcharges[10];
  double surchargeTotal;  // cents: the entry surcharge and every slot for this length
  bool incoming;
  bool sampleRates;  // rated with the sample rates supplied with the program
  LoggedCall where;
  bool clock12;  // the date text follows the user's 12-hour clock
};

CallRow CallRowOf(const data::CallLogRecord& call, const data::MyInfo& myInfo, LoggedCall where);

// Oldest first, calls that start together kept in their order: the order a call list opens in.
void SortCallRowsByStart(std::vector<CallRow>& calls);

// The text of a column of the call's row; the cost is marked when the call was rated with the
// sample rates.
std::string CallRowText(const CallRow& call, int column);

// The running totals of a call list.
struct CallTotals {
  double costs = 0;       // cents
  double surcharges = 0;  // cents, the calls' surcharge totals
  std::int64_t seconds = 0;

  void Add(const CallRow& call) {
    costs += call.cost;
    surcharges += call.surchargeTotal;
    seconds += call.duration;
  }
  void Remove(const CallRow& call) {
    costs -= call.cost;
    surcharges -= call.surchargeTotal;
    seconds -= call.duration;
  }
};

// The totals as shown, always in the unmarked money form.
struct CallTotalTexts {
  std::string minutes, surcharges, costs, total;
};
CallTotalTexts TextsOf(const CallTotals& totals);

}  // namespace dorv::reports
