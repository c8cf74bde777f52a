#include <gtest/gtest.h>

#include "callscreen/CallScreenWorld.h"
#include "data/FixedText.h"
#include "rating/callscreen/CallFinish.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"

using namespace dorv;
using namespace dorv::rating;

namespace {

TEST(CallFinish, TheQuestionAskedDependsOnDirectionModeAndStatus) {
  struct Row {
    const char* name;
    CallScreenMode mode;
    bool outgoing, noAnswer, busy;
    FinishQuestion question;
  };
  const Row rows[] = {
      {"incoming timed", CallScreenMode::Timing, false, false, false, FinishQuestion::RateIncoming},
      {"incoming busy asks about rating only", CallScreenMode::Timing, false, false, true,
       FinishQuestion::RateIncoming},
      {"incoming manual", CallScreenMode::ManualEntry, false, false, false,
       FinishQuestion::RateIncoming},
      {"outgoing timed", CallScreenMode::Timing, true, false, false, FinishQuestion::None},
      {"outgoing busy", CallScreenMode::Timing, true, false, true,
       FinishQuestion::ChargeBusyOrNoAnswer},
      {"outgoing no answer", CallScreenMode::Timing, true, true, false,
       FinishQuestion::ChargeBusyOrNoAnswer},
      {"manual entry never asks about busy", CallScreenMode::ManualEntry, true, true, true,
       FinishQuestion::None},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(QuestionOnFinishing(row.mode, row.outgoing, row.noAnswer, row.busy), row.question);
  }
}

// No and Cancel are driven through the call screen; Yes charges everything.
TEST(CallFinish, YesChargesRateAndSurcharges) {
  auto yes = ChargingFor(FinishQuestion::ChargeBusyOrNoAnswer, Answer::Yes);
  ASSERT_TRUE(yes);
  EXPECT_TRUE(yes->rate && yes->surcharges);
}

TEST(CallFinish, ANewCallCopiesTheEntryAndKeepsOrEmptiesTheSurcharges) {
  const data::PdbRecord entry = dorv::test::MakeEntry();
  for (bool surcharges : {true, false}) {
    SCOPED_TRACE(surcharges ? "charged" : "not charged");
    data::CallLogRecord record{};
    data::ClearCallRecord(record, true);
    record.surcharges[3] = dorv::test::MakeSurcharge("Operator", 105);
    record.memoFileNumber = 9;
    FinishedCall call;
    call.duration = 125;
    call.charge = 40.0;
    call.outgoing = false;
    call.start = 1234567890;
    call.charging = {false, surcharges};
    FillNewCall(record, entry, call);
    EXPECT_EQ(data::ReadField(record.name), "Aunt Mary");
    EXPECT_EQ(data::ReadField(record.city), "Springfield");
    EXPECT_EQ(data::ReadField(record.bandTitle[1]), "Evening");
    EXPECT_EQ(record.rates[2].additional, 2.0);
    EXPECT_EQ(record.bandHours[16], 2400);
    EXPECT_EQ(record.timeZone, -6);
    EXPECT_EQ(record.locationMark, 'U');
    EXPECT_EQ(record.ratesChanged, 1);
    EXPECT_EQ(record.memoFileNumber, 0u);
    EXPECT_EQ(record.duration, 125u);
    EXPECT_EQ(record.cost, 0.0);
    EXPECT_EQ(record.outgoing, 0);
    EXPECT_EQ(record.start, 1234567890);
    EXPECT_EQ(record.surcharge, surcharges ? 25.0 : 0.0);
    EXPECT_EQ(data::ReadField(record.surcharges[3].description), surcharges ? "Operator" : "");
    EXPECT_EQ(record.surcharges[3].cost, surcharges ? 105.0 : 0.0);
    EXPECT_EQ(record.surcharges[0].kind, surcharges ? 1 : 0);
  }
}

}  // namespace
