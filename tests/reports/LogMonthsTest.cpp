#include <gtest/gtest.h>

#include "reports/CallLogTestFiles.h"
#include "reports/LogMonths.h"

using namespace dorv;

// The call log dialog lists, opens and reads the months; here only the month a time falls in.
TEST(LogMonths, TheMonthOfATimeChangesAtMidnightOfTheFirst) {
  EXPECT_EQ(reports::MonthOf(test::kJan1st1999 - 1), (data::LogMonth{12, 1998}));
  EXPECT_EQ(reports::MonthOf(test::kJan1st1999), (data::LogMonth{1, 1999}));
}
