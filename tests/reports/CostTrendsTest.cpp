#include <gtest/gtest.h>

#include <QBarSet>
#include <QChart>
#include <QStackedBarSeries>

#include "reports/CCostTrendsDlg.h"
#include "reports/CallLogTestFiles.h"
#include "reports/CostTrends.h"

using namespace dorv;
using reports::BillDate;

TEST(CostTrends, CyclesStepBackAMonthKeepingTheFromDayWhereTheMonthHasIt) {
  struct Row {
    BillDate today;
    int fromDay;
    std::vector<BillDate> starts;
  };
  const Row rows[] = {
      {{1, 5, 1999}, 15, {{10, 15, 1998}, {11, 15, 1998}, {12, 15, 1998}}},
      {{3, 20, 1999}, 31, {{12, 31, 1998}, {1, 31, 1999}, {2, 28, 1999}}},
      {{1, 1, 2000}, 1, {{11, 1, 1999}, {12, 1, 1999}, {1, 1, 2000}}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(reports::TrendCycleStarts(row.today, row.fromDay, 3), row.starts) << row.fromDay;
}

// The chart's bars are the bills of the twelve cycles up to today's, by section and recurring.
TEST(CostTrends, TheChartStacksEachCyclesBill) {
  test::CallLogTestFiles files;
  files.WriteReportFiles();
  reports::CCostTrendsDlg trends(files.Files(), {1, 5, 1999});
  ASSERT_EQ(trends.Cycles().size(), 12u);
  auto* series = qobject_cast<QStackedBarSeries*>(trends.Chart().series().at(0));
  ASSERT_EQ(series->count(), 5);
  // Local, long distance, international, toll free and recurring, in dollars.
  const double december[] = {1.95, 2.5, 12.345, 0, 18.5};
  const double november[] = {0, 0.5, 0, 0, 0};  // the call of 5 December; no recurring file
  for (int set = 0; set < 5; ++set) {
    EXPECT_DOUBLE_EQ(series->barSets()[set]->at(11), december[set]) << set;
    EXPECT_DOUBLE_EQ(series->barSets()[set]->at(10), november[set]) << set;
  }
  EXPECT_DOUBLE_EQ(trends.Cycles().back().Total(), 3529.5);
}
