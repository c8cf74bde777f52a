#include "MixedData.h"

#include <array>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "data/CallLogRecord.h"
#include "data/FixedText.h"
#include "data/PdbRecord.h"

namespace dorv::bench {
namespace {

constexpr std::array kTypes = {"Business", "Personal", "family",  "Doctor", "Supplier",
                               "customer", "Friend",   "HOTEL",   "Airline", "Bank",
                               "School",   "Office",   "Plumber", "Lawyer"};
constexpr std::array kFirst = {"Anna",  "bob",   "Carla",  "David", "\xC9mile", "Frank",  "Greta",
                               "Hugo",  "Irene", "jack",   "Karin", "Liam",  "Maria",  "Noah",
                               "Olga",  "Pete",  "Quinn",  "Rosa",  "Sven",  "Tanya"};
constexpr std::array kLast = {"Smith",   "o'Brien", "Garcia", "M\xFCller", "Nguyen", "Rossi",
                              "Johnson", "Lee",     "van Dijk", "Kowalski", "Brown", "Dupont",
                              "Silva",   "Yamada",  "Andersen", "Novak"};
constexpr std::array kCities = {"Chicago", "Dallas", "Toronto", "San Diego", "Boston",
                                "Mexico City", "London", "Paris", "Denver", "Seattle"};

// A small fixed generator, so that every run measures the same data.
struct Mix {
  std::uint32_t state;
  std::uint32_t Next(std::uint32_t below) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % below;
  }
};

std::string Digits(Mix& mix, int count) {
  std::string digits;
  for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + mix.Next(10));
  return digits;
}

template <class Record>
void FillNumber(Record& r, Mix& mix, long i) {
  if (i % 9 == 4) {  // abroad
    data::WriteField(r.country, i % 2 ? "UNITED KINGDOM" : "FRANCE");
    data::WriteField(r.countryCode, i % 2 ? "44" : "33");
    data::WriteField(r.areaCode, std::to_string(20 + mix.Next(70)));
    data::WriteField(r.prefix, Digits(mix, 4));
    data::WriteField(r.suffix, Digits(mix, 4));
  } else {
    data::WriteField(r.country, "UNITED STATES");
    data::WriteField(r.areaCode, std::to_string(201 + mix.Next(780)));
    data::WriteField(r.prefix, std::to_string(200 + mix.Next(800)));
    data::WriteField(r.suffix, i % 13 == 0 ? "CALL" + Digits(mix, 1) : Digits(mix, 4));
  }
  if (i % 7 == 0) data::WriteField(r.extension, Digits(mix, 3));
  if (i % 5 == 0) data::WriteField(r.dialPrefix, "1");
}

std::string NameOf(Mix& mix, long i) {
  if (i % 6 == 0) return std::string(kLast[mix.Next(kLast.size())]) + " & Co. " + std::to_string(i);
  return std::string(kFirst[mix.Next(kFirst.size())]) + " " + kLast[mix.Next(kLast.size())];
}

}  // namespace

void WriteMixedBook(const std::string& path, long count, long deletedEvery) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  Mix mix{12345};
  std::vector<data::PdbRecord> block(4096);
  for (long done = 0; done < count;) {
    std::size_t n = 0;
    for (; n < block.size() && done < count; ++n, ++done) {
      data::PdbRecord& r = block[n];
      data::ClearRecord(r);
      data::WriteField(r.type, kTypes[mix.Next(kTypes.size())]);
      data::WriteField(r.name, NameOf(mix, done));
      data::WriteField(r.contact, kFirst[mix.Next(kFirst.size())]);
      data::WriteField(r.address1, std::to_string(1 + mix.Next(9000)) + " Main Street");
      data::WriteField(r.city, kCities[mix.Next(kCities.size())]);
      data::WriteField(r.state, "Illinois");
      data::WriteField(r.postalCode, Digits(mix, 5));
      data::WriteField(r.note, "Call before noon; ask for the accounts desk");
      data::WriteField(r.telco, "Long Lines");
      data::WriteField(r.comment, "Rates checked last spring");
      data::WriteField(r.bandTitle[0], "Day");
      data::WriteField(r.bandTitle[1], "Evening");
      FillNumber(r, mix, done);
      r.active = deletedEvery > 0 && done % deletedEvery == 0 ? 0 : 1;
      data::ScrambleRecord(r, false);
    }
    out.write(reinterpret_cast<const char*>(block.data()),
              static_cast<std::streamsize>(n * sizeof(data::PdbRecord)));
  }
  if (!out.flush()) throw std::runtime_error("the book was not written");
}

std::string MixedMonth(long count, std::uint32_t monthStart) {
  Mix mix{777};
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(count) * sizeof(data::CallLogRecord));
  const std::uint32_t spacing = 28u * 86400u / static_cast<std::uint32_t>(count);
  for (long i = 0; i < count; ++i) {
    data::CallLogRecord r{};
    data::ClearCallRecord(r, true);
    data::WriteField(r.name, NameOf(mix, i));
    FillNumber(r, mix, i);
    data::WriteField(r.city, kCities[mix.Next(kCities.size())]);
    // Mostly in time order, with every tenth call entered afterwards.
    long slot = i % 10 == 9 ? count - 1 - i : i;
    r.start = monthStart + static_cast<std::uint32_t>(slot) * spacing + mix.Next(spacing + 1);
    r.duration = 5 + mix.Next(3600);
    r.cost = mix.Next(250000) / 100.0;
    r.surcharge = i % 4 == 0 ? 25.0 : 0.0;
    r.outgoing = i % 3 == 0 ? 0 : 1;
    r.ratesChanged = i % 11 == 0 ? 0 : 1;
    r.memoFileNumber = i % 20 == 0 ? 1 : 0;
    if (i % 8 == 0) {
      data::WriteField(r.surcharges[0].description, "Operator");
      r.surcharges[0].cost = 150.0;
      r.surcharges[0].kind = 1;
    }
    bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
  }
  return bytes;
}

}  // namespace dorv::bench
