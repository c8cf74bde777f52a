#include "RateFiles.h"

#include <cstring>

#include "SampleScramble.h"

namespace dorv::data {
namespace {

// company, callType, comment and bandKey are one scrambled run at the record's start.
constexpr std::size_t kTextBytes = offsetof(Service, spare1);

}  // namespace

void DecodeService(Service& service) {
  DecodeBytes(reinterpret_cast<char*>(&service), kTextBytes, scramble_key::kRates);
}

bool EncodeService(Service& service) {
  return EncodeBytes(reinterpret_cast<char*>(&service), kTextBytes, scramble_key::kRates);
}

std::string RateIndexFileName(const std::string& rateFileName) {
  static constexpr const char* kPairs[][2] = {{"dorv11", "dorv16"}, {"dorv12", "dorv17"},
                                              {"dorv13", "dorv18"}, {"dorv14", "dorv19"},
                                              {"dorv15", "dorv20"}};
  for (const auto& pair : kPairs)
    if (rateFileName == pair[0]) return pair[1];
  return "";
}

bool RateFile::OpenRateFile(const std::string& name) {
  Close();
  std::string indexName = RateIndexFileName(name);
  if (indexName.empty() || !m_data.Open(name, false)) return false;
  if (m_index.Open(indexName, false)) return true;
  m_data.Close();
  return false;
}

bool RateFile::Close() {
  m_lastIndex = -1;
  m_rowCount = 0;
  bool closed = m_data.Close();
  return m_index.Close() && closed;
}

bool RateFile::ReadService(long index, Service& service) {
  std::memset(&service, 0, sizeof service);
  m_rowCount = 0;
  m_rowsRead = 0;
  RateIndexEntry entry{};
  if (!m_index.ReadAt(static_cast<long long>(index) * sizeof entry, &entry, sizeof entry))
    return false;
  if (!m_data.ReadAt(entry.offset, &service, sizeof service)) return false;
  DecodeService(service);
  m_lastIndex = index;
  m_rowCount = entry.rowCount;
  return true;
}

bool RateFile::ReadNextRow(RateRow& row) {
  std::memset(&row, 0, sizeof row);
  if (m_rowsRead >= m_rowCount || !m_data.ReadHere(&row, sizeof row)) return false;
  ++m_rowsRead;
  return true;
}

}  // namespace dorv::data
