#pragma once
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "data/FixedText.h"
#include "pdb/PdbEditApply.h"

namespace dorv::test {

// One service with its rate rows, read as from an open rate file.
class FakeServices final : public pdb::ServiceSource {
 public:
  data::Service service{};
  std::vector<data::RateRow> rows;
  bool fails = false;

  bool ReadService(long, data::Service& out) override {
    if (fails) return false;
    out = service;
    m_next = 0;
    return true;
  }
  bool ReadNextRow(data::RateRow& row) override {
    if (m_next >= rows.size()) return false;
    row = rows[m_next++];
    return true;
  }

 private:
  std::size_t m_next = 0;
};

class FakeBandSets final : public pdb::BandSetSource {
 public:
  std::map<std::string, data::HourDefinition> sets;
  bool FindByKey(const std::string& key, data::HourDefinition& set) override {
    auto found = sets.find(key);
    if (found == sets.end()) return false;
    set = found->second;
    return true;
  }
};

inline data::RateRow MakeRateRow(const char* rateKey, const char* bandKey, int bound,
                                 std::initializer_list<int> rates) {
  data::RateRow row{};
  data::WriteField(row.rateKey, rateKey);
  std::memcpy(row.bandKey, bandKey, std::min<std::size_t>(std::strlen(bandKey), 4));
  row.distanceBound = bound;
  int i = 0;
  for (int rate : rates) row.rates[i++] = rate;
  return row;
}

}  // namespace dorv::test
