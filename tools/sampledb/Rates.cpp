#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Builders.h"
#include "data/RateFiles.h"

namespace dorv::sampledb {
namespace {

constexpr const char* kRateFiles[] = {"dorv11", "dorv12", "dorv13", "dorv14", "dorv15"};
constexpr const char* kInternationalFile = "dorv13";

struct ServiceDraft {
  std::string file;
  std::string id;
  data::Service service{};
  std::vector<data::RateRow> rows;
};

// A date YYYY-MM-DD as the time_t of its noon UTC, so that it reads as the same day in every
// time zone of the Americas, Europe and most of Asia.
std::int32_t EffectiveTime(const TsvRow& row) {
  std::string text = row.Text("effective", 10);
  int year = 0, month = 0, day = 0;
  char tail = 0;
  std::tm parts{};
  if (text.size() == 10 &&
      std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) == 3) {
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = 12;
    std::time_t value = timegm(&parts);
    if (year >= 1970 && year < 2038 && parts.tm_mon == month - 1 && parts.tm_mday == day)
      return static_cast<std::int32_t>(value);
  }
  row.Fail("effective", "'" + text + "' is not a date YYYY-MM-DD from 1970 to 2037");
}

void ReadRates(const TsvRow& row, std::int32_t (&rates)[6]) {
  static constexpr const char* kColumns[6] = {"r1_initial", "r1_additional", "r2_initial",
                                              "r2_additional", "r3_initial", "r3_additional"};
  for (int i = 0; i < 6; ++i)
    rates[i] = static_cast<std::int32_t>(row.Integer(kColumns[i], 0, 100000000));
}

std::string KnownBandKey(const TsvRow& row, const std::vector<std::string>& bandKeys) {
  std::string key = row.Text("band_key", 3);
  if (std::find(bandKeys.begin(), bandKeys.end(), key) == bandKeys.end())
    row.Fail("band_key", "'" + key + "' is not a key of bandsets.tsv");
  return key;
}

ServiceDraft DraftOf(const TsvRow& row, const std::vector<std::string>& bandKeys) {
  ServiceDraft draft;
  draft.file = row.Text("file", 6);
  if (data::RateIndexFileName(draft.file).empty()) row.Fail("file", "must be dorv11 to dorv15");
  draft.id = row.Text("service_id", 31);
  if (draft.id.empty()) row.Fail("service_id", "is empty");
  data::Service& s = draft.service;
  row.TextInto(s.company, "company");
  row.TextInto(s.callType, "call_type");
  row.TextInto(s.comment, "comment");
  data::WriteField(s.bandKey, KnownBandKey(row, bandKeys));
  s.effective = EffectiveTime(row);
  s.initialInterval = static_cast<std::uint32_t>(row.Integer("initial_interval", 1, 3600));
  s.additionalInterval = static_cast<std::uint32_t>(row.Integer("additional_interval", 1, 3600));
  return draft;
}

ServiceDraft& DraftNamed(std::vector<ServiceDraft>& drafts, const TsvRow& row) {
  std::string id = row.Text("service_id", 31);
  for (ServiceDraft& draft : drafts)
    if (draft.id == id) return draft;
  row.Fail("service_id", "'" + id + "' is not a service of services.tsv");
}

// The tier of a destination: named in tier_countries.tsv, else by its time zone's prefix.
std::string TierOf(const RateKeyUse& use, const TierTables& tiers) {
  for (const TsvRow& row : tiers.countries.Rows())
    if (row.Text("rate_key", 3) == use.key) return row.Text("tier", 3);
  std::string tier, prefix;
  for (const TsvRow& row : tiers.zones.Rows()) {
    std::string candidate = row.Text("tz_prefix", 64);
    if (use.timeZoneName.starts_with(candidate) && candidate.size() > prefix.size()) {
      prefix = candidate;
      tier = row.Text("tier", 3);
    }
  }
  if (tier.empty())
    throw TableError(use.where + ": rate key '" + use.key + "' with time zone '" +
                     use.timeZoneName + "' has no price tier: name it in " +
                     tiers.countries.Name() + " or its zone in " + tiers.zones.Name());
  return tier;
}

data::RateRow TierRow(const ServiceDraft& draft, const RateKeyUse& use, const TierTables& tiers) {
  std::string tier = TierOf(use, tiers);
  for (const TsvRow& row : tiers.rates.Rows()) {
    if (row.Text("service_id", 31) != draft.id || row.Text("tier", 3) != tier) continue;
    data::RateRow rate{};
    data::WriteField(rate.rateKey, use.key);
    std::memcpy(rate.bandKey, draft.service.bandKey, sizeof rate.bandKey);
    ReadRates(row, rate.rates);
    return rate;
  }
  throw TableError(tiers.rates.Name() + ": service " + draft.id + " has no row for tier '" +
                   tier + "' (needed by rate key '" + use.key + "' of " + use.where + ")");
}

bool HasRowFor(const ServiceDraft& draft, const std::string& key) {
  return std::any_of(draft.rows.begin(), draft.rows.end(),
                     [&](const data::RateRow& r) { return data::ReadField(r.rateKey) == key; });
}

}  // namespace

void BuildRates(const TsvTable& services, const TsvTable& rates, const TierTables& tiers,
                const std::vector<RateKeyUse>& rateKeys, const std::vector<std::string>& bandKeys,
                FileImages& images) {
  std::vector<ServiceDraft> drafts;
  for (const TsvRow& row : services.Rows()) {
    ServiceDraft draft = DraftOf(row, bandKeys);
    for (const ServiceDraft& other : drafts)
      if (other.id == draft.id) row.Fail("service_id", "'" + draft.id + "' is used twice");
    drafts.push_back(std::move(draft));
  }
  for (const TsvRow& row : rates.Rows()) {
    ServiceDraft& draft = DraftNamed(drafts, row);
    data::RateRow rate{};
    row.TextInto(rate.rateKey, "rate_key");
    if (draft.file == kInternationalFile && data::ReadField(rate.rateKey).empty())
      row.Fail("rate_key", "is empty in an international service");
    data::WriteField(rate.bandKey, KnownBandKey(row, bandKeys));
    rate.distanceBound = static_cast<std::int32_t>(row.Integer("distance_bound", 0, 1000000));
    ReadRates(row, rate.rates);
    draft.rows.push_back(rate);
  }
  for (ServiceDraft& draft : drafts) {
    if (draft.file != kInternationalFile) continue;
    for (const RateKeyUse& use : rateKeys)
      if (!HasRowFor(draft, use.key)) draft.rows.push_back(TierRow(draft, use, tiers));
  }
  for (const char* file : kRateFiles) {
    data::RateFileImage image;
    for (const ServiceDraft& draft : drafts)
      if (draft.file == file && !data::AddService(image, draft.service, draft.rows))
        throw TableError(services.Name() + ": service " + draft.id + " cannot be stored");
    images[file] = image.data;
    images[data::RateIndexFileName(file)] = image.index;
  }
}

}  // namespace dorv::sampledb
