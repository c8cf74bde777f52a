#include "rating/callscreen/BandRows.h"

#include <algorithm>

#include "data/CallLogRecord.h"
#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/PdbRecord.h"

namespace dorv::rating {

std::string BandRowText(const std::string& title, const std::uint16_t (&hours)[6],
                        bool twelveHour) {
  return data::BandText(title, hours, twelveHour, true);
}

template <class Record>
std::vector<BandRow> BandRowsOf(const Record& record, bool twelveHour) {
  std::vector<BandRow> rows;
  for (int band = 0; band < 3; ++band) {
    std::uint16_t hours[6];
    std::copy_n(record.bandHours + band * 6, 6, hours);
    std::string text = BandRowText(data::ReadField(record.bandTitle[band]), hours, twelveHour);
    if (!text.empty()) rows.push_back({band, std::move(text)});
  }
  return rows;
}

template std::vector<BandRow> BandRowsOf(const data::PdbRecord&, bool);
template std::vector<BandRow> BandRowsOf(const data::CallLogRecord&, bool);

}  // namespace dorv::rating
