#include "Builders.h"
#include "data/StateTables.h"
#include "data/TelcoFile.h"

namespace dorv::sampledb {
namespace {

std::string StateImage(const TsvTable& table) {
  std::string image;
  for (const TsvRow& row : table.Rows()) {
    data::StateRecord state{};
    row.TextInto(state.code, "code");
    row.TextInto(state.name, "name");
    row.TextInto(state.group, "group");
    AppendRow(image, row, state, data::EncodeState);
  }
  return image;
}

}  // namespace

void BuildStates(const TsvTable& northAmerica, const TsvTable& other, FileImages& images) {
  images[data::kNorthAmericanStates] = StateImage(northAmerica);
  images[data::kOtherStates] = StateImage(other);
}

void BuildTelcos(const TsvTable& telcos, FileImages& images) {
  std::string image;
  for (const TsvRow& row : telcos.Rows()) {
    data::TelcoEntry entry;
    data::ClearTelco(entry);
    row.TextInto(entry.name, "name");
    entry.accessCode = static_cast<std::int32_t>(row.Integer("access_code", 0, 2147483647));
    AppendRow(image, row, entry, data::EncodeTelco);
  }
  images[data::kTelcoFileName] = image;
}

}  // namespace dorv::sampledb
