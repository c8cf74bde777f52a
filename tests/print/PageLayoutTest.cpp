#include <gtest/gtest.h>

#include "print/PageLayout.h"

using namespace dorv::print;

TEST(PageLayout, FontHeightInDeviceUnits) {
  const struct Row {
    const char* name;
    int points, dpi, expected;
  } rows[] = {
      {"9 points at 600 dpi", 9, 600, 75},
      {"8 points at 600 dpi truncates 66.7", 8, 600, 66},
      {"8 points at 1200 dpi", 8, 1200, 133},
      {"9 points at 96 dpi", 9, 96, 12},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FontHeightUnits(row.points, row.dpi), row.expected);
  }
}

TEST(PageLayout, LineHeightAddsBothLeadings) {
  EXPECT_EQ(LineHeightOf({.height = 80, .internalLeading = 5, .externalLeading = 15}), 100);
}

TEST(PageLayout, LinesPerPage) {
  const struct Row {
    const char* name;
    int pageHeight, lineHeight, expected;
  } rows[] = {
      {"6600 by 100", 6600, 100, 66},
      {"a partial line does not count", 6699, 100, 66},
      {"no line height", 6600, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LinesPerPage(row.pageHeight, row.lineHeight), row.expected);
  }
}

TEST(PageLayout, TextStart) {
  const struct Row {
    const char* name;
    TextAlign align;
    int x, width, pageWidth;
    std::optional<int> expected;
  } rows[] = {
      {"right-aligned ends at x + margin", TextAlign::Right, 1000, 300, 5000, 850},
      {"left-aligned starts at x + margin", TextAlign::Left, 1000, 300, 5000, 1150},
      {"centred ignores x", TextAlign::Centred, 1000, 300, 5000, 2350},
      {"centred halves an odd gap down", TextAlign::Centred, 0, 300, 5001, 2350},
      {"no such alignment prints nothing", static_cast<TextAlign>(2), 0, 300, 5000, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextStartX(row.align, row.x, row.width, row.pageWidth), row.expected);
  }
}

TEST(PageLayout, TooWideFromTheMarginToTheEdge) {
  EXPECT_FALSE(IsTooWide(4849, 5000));
  EXPECT_TRUE(IsTooWide(4850, 5000));
}

TEST(PageLayout, AdvanceEndsThePageAfterItsLastLine) {
  const struct Row {
    const char* name;
    int from, by;
    bool pageEnds;
    int lineAfter;
  } rows[] = {
      {"65 to 66 stays", 65, 1, false, 66},
      {"66 to 67 ends the page", 66, 1, true, 1},
      {"a jump past the end ends it too", 60, 10, true, 1},
      {"no advance shares the line", 66, 0, false, 66},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PageLines lines(66, 100);
    lines.StartPage();
    lines.Skip(row.from - 1);
    EXPECT_EQ(lines.Advance(row.by), row.pageEnds);
    EXPECT_EQ(lines.Line(), row.lineAfter);
    EXPECT_EQ(lines.BaselineY(), 100 * row.lineAfter);
  }
}
