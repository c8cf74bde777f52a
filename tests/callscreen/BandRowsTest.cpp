#include <gtest/gtest.h>

#include <cstring>

#include "callscreen/CallScreenWorld.h"
#include "data/HourDefinitions.h"
#include "rating/callscreen/BandRows.h"

using namespace dorv;
using namespace dorv::rating;

namespace {

TEST(BandRows, EachRowNamesItsBandAndEmptyBandsHaveNoRow) {
  data::PdbRecord entry = dorv::test::MakeEntry();
  // The first band without title and times: the rows start with the second band.
  std::memset(entry.bandTitle[0], 0, sizeof entry.bandTitle[0]);
  std::fill_n(entry.bandHours, 6, 0);
  const std::vector<BandRow> rows = BandRowsOf(entry, true);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].band, 1);
  EXPECT_EQ(rows[1].band, 2);
  EXPECT_EQ(rows[0].text, data::BandTextOfEntry(entry, 1, true));
  EXPECT_NE(rows[0].text.find("Evening"), std::string::npos);
  EXPECT_NE(rows[0].text.find("5 PM"), std::string::npos);
}

}  // namespace
