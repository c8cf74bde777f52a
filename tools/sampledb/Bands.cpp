#include <algorithm>
#include <sstream>

#include "Builders.h"
#include "data/BandTitles.h"
#include "data/HourDefinitions.h"

namespace dorv::sampledb {
namespace {

// Six whole-hour times separated by blanks, each 0 to 2400.
void ReadHours(const TsvRow& row, const std::string& column, std::uint16_t* hours) {
  std::istringstream values(row.Text(column, 64));
  std::string value;
  int count = 0;
  while (values >> value) {
    bool digits = !value.empty() && value.size() <= 4 &&
                  std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    int time = digits ? std::stoi(value) : -1;
    if (time < 0 || time > 2400 || time % 100 != 0)
      row.Fail(column, "'" + value + "' is not a whole hour x 100 from 0 to 2400");
    if (count == 6) row.Fail(column, "has more than six times");
    hours[count++] = static_cast<std::uint16_t>(time);
  }
  if (count != 6) row.Fail(column, "must hold six times");
}

}  // namespace

void BuildBands(const TsvTable& titles, const TsvTable& sets, FileImages& images,
                std::vector<std::string>& bandKeys) {
  std::string titleImage;
  for (const TsvRow& row : titles.Rows()) {
    data::BandTitleRecord record{};
    row.TextInto(record.title, "title");
    AppendRow(titleImage, row, record, data::EncodeBandTitle);
  }
  images[data::kBandTitleFileName] = titleImage;

  std::string setImage;
  for (const TsvRow& row : sets.Rows()) {
    data::HourDefinition set{};
    row.TextInto(set.key, "key");
    std::string key = data::ReadField(set.key);
    if (key.empty()) row.Fail("key", "is empty");
    if (std::find(bandKeys.begin(), bandKeys.end(), key) != bandKeys.end())
      row.Fail("key", "'" + key + "' is used by an earlier row");
    bandKeys.push_back(key);
    for (int band = 0; band < 3; ++band) {
      std::string n = std::to_string(band + 1);
      row.TextInto(set.bandTitle[band], "title" + n);
      row.TextInto(set.bandText[band], "text" + n);
      ReadHours(row, "hours" + n, &set.bandHours[band * 6]);
    }
    AppendRow(setImage, row, set, data::EncodeHourDefinition);
  }
  images[data::kHourDefinitionFileName] = setImage;
}

}  // namespace dorv::sampledb
