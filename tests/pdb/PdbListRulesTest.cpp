#include <gtest/gtest.h>

#include "pdb/PdbListRules.h"
#include "res/Strings.h"

using namespace dorv::pdb;

TEST(ProgressPlan, AtMostAboutAHundredSteps) {
  struct Row {
    const char* name;
    long count;
    int maximum;
    long perStep;
    long steps;  // when every record is read
  } rows[] = {
      {"empty", 0, 0, 1, 0},          {"one", 1, 1, 1, 1},
      {"just under", 99, 99, 1, 99},  {"a hundred", 100, 100, 1, 100},
      {"250", 250, 100, 2, 125},      {"large", 100000, 100, 1000, 100},
      {"odd large", 100099, 100, 1000, 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProgressPlan plan = ProgressPlanFor(row.count);
    EXPECT_EQ(plan.maximum, row.maximum);
    EXPECT_EQ(plan.recordsPerStep, row.perStep);
    ProgressStepper stepper(plan.recordsPerStep);
    long stepsAt = 0;
    for (long i = 0; i < row.count; ++i)
      if (stepper.Advance()) stepsAt = i + 1;
    EXPECT_EQ(stepper.Steps(), row.steps);
    if (row.steps > 0) {
      EXPECT_EQ(stepsAt % plan.recordsPerStep, 0);
    }
  }
  EXPECT_EQ(ProgressPlanFor(-1).maximum, 0);
}

TEST(PaintPacer, FirstStepPaintsThenAtMostOneAFrame) {
  struct Row {
    int atMs;
    bool paints;
  } rows[] = {{0, true}, {5, false}, {15, false}, {16, true}, {31, false}, {40, true}, {200, true}};
  PaintPacer pacer;
  const PaintPacer::Clock::time_point start{};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.atMs);
    EXPECT_EQ(pacer.Due(start + std::chrono::milliseconds(row.atMs)), row.paints);
  }
  pacer.Reset();
  EXPECT_TRUE(pacer.Due(start + std::chrono::milliseconds(201)));
}

TEST(SortCodes, ClicksFlipEachColumnsFlagOnItsOwn) {
  SortDirections directions;
  directions.SetFlag(0);  // as a load leaves them
  std::vector<int> codes;
  for (int column : {1, 1, 0, 0, 2}) codes.push_back(directions.Click(column));
  EXPECT_EQ(codes, (std::vector<int>{2, 3, 1, 0, 4}));
  EXPECT_TRUE(directions.Flag(2));
  EXPECT_FALSE(directions.Flag(1));
  directions.Reset();
  EXPECT_EQ(directions.Click(0), 0);
}

// Delete and the call buttons need a selection; Edit, Duplicate and Print exactly one row.
TEST(SelectionButtons, FollowTheNumberOfSelectedRows) {
  struct Row {
    int selected;
    bool rowButtons, singleButtons;
    const char* question;
  } rows[] = {{0, false, false, nullptr},
              {1, true, true, dorv::res::kAskDeleteItem},
              {3, true, false, dorv::res::kAskDeleteItems}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.selected);
    EXPECT_EQ(ButtonsForSelection(row.selected).rowButtons, row.rowButtons);
    EXPECT_EQ(ButtonsForSelection(row.selected).singleButtons, row.singleButtons);
    EXPECT_STREQ(DeleteQuestion(row.selected), row.question);
  }
}
