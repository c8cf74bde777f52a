#include <gtest/gtest.h>

#include "print/PageLayout.h"

using namespace dorv::print;

TEST(PageLayout, FontHeightAndLinesPerPage) {
  EXPECT_EQ(FontHeightUnits(9, 600), 75);
  EXPECT_EQ(FontHeightUnits(8, 600), 66) << "66.7 truncates";
  EXPECT_EQ(LinesPerPage(6600, 100), 66);
  EXPECT_EQ(LinesPerPage(6600, 0), 0) << "no line height, no lines";
}

TEST(PageLayout, TextStart) {
  const struct Row {
    const char* name;
    TextAlign align;
    int x, width;
    std::optional<int> expected;
  } rows[] = {
      {"right-aligned ends at x + margin", TextAlign::Right, 1000, 300, 850},
      {"left-aligned starts at x + margin", TextAlign::Left, 1000, 300, 1150},
      {"centred on a 5001 page ignores x", TextAlign::Centred, 1000, 300, 2350},
      {"no such alignment prints nothing", static_cast<TextAlign>(2), 0, 300, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextStartX(row.align, row.x, row.width, 5001), row.expected);
  }
  EXPECT_FALSE(IsTooWide(4849, 5000));
  EXPECT_TRUE(IsTooWide(4850, 5000));
}

TEST(PageLayout, AdvanceEndsThePageAfterItsLastLine) {
  PageLines lines(66, 100);
  lines.StartPage();
  lines.Skip(64);
  EXPECT_FALSE(lines.Advance(1)) << "65 to 66 stays";
  EXPECT_EQ(lines.BaselineY(), 6600);
  EXPECT_TRUE(lines.Advance(1)) << "66 to 67 ends the page";
  EXPECT_EQ(lines.BaselineY(), 100);
}
