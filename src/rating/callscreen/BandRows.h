#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace dorv::rating {

// One row of the call screen's band list: the band it shows and its text.
struct BandRow {
  int band;  // 0..2
  std::string text;
};

// The text of one band: its title and its hours in words.
std::string BandRowText(const std::string& title, const std::uint16_t (&hours)[6],
                        bool twelveHour);

// The rows of the bands whose text is not empty, in band order.
template <class Record>
std::vector<BandRow> BandRowsOf(const Record& record, bool twelveHour);

}  // namespace dorv::rating
