#include "PdbRecord.h"

#include <cstring>
#include <ctime>
#include <string_view>

#include "FixedText.h"
#include "TextPattern.h"
#include "res/Strings.h"

namespace dorv::data {
namespace {

// Position k of the first alphabet stands for position k of the second. The second is the
// first reversed, so the substitution is its own inverse. Neither holds NUL or a blank.
constexpr std::string_view kPlainAlphabet =
    "mI'V23#oy&FsY6xrEgfqQJzj!-vXT%AuWhe7Rk9;U+M*4O:DaKi0d85$Z\"1H/B,)(NwpntScbCLlGP.";
constexpr std::string_view kCodedAlphabet =
    ".PGlLCbcStnpwN(),B/H1\"Z$58d0iKaD:O4*M+U;9kR7ehWuA%TXv-!jzJQqfgErx6YsF&yo#32V'Im";
static_assert(kPlainAlphabet.size() == 79 && kCodedAlphabet.size() == 79);

struct SubstitutionTable {
  unsigned char map[256];
  constexpr SubstitutionTable() : map() {
    for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
    for (std::size_t k = 0; k < kPlainAlphabet.size(); ++k)
      map[static_cast<unsigned char>(kPlainAlphabet[k])] =
          static_cast<unsigned char>(kCodedAlphabet[k]);
  }
};
constexpr SubstitutionTable kTable;

template <std::size_t N>
void ScrambleField(char (&field)[N], bool reading) {
  // Indexed: GCC 12 at -O3 takes the range-for form for a write past the field's end.
  for (std::size_t i = 0; i < N; ++i)
    field[i] = static_cast<char>(kTable.map[static_cast<unsigned char>(field[i])]);
  if (!reading) return;
  for (std::size_t i = N; i > 0 && field[i - 1] == ' '; --i) field[i - 1] = '\0';
}

template <std::size_t N>
void CopyText(char (&destination)[N], const char (&source)[N]) {
  std::size_t length = strnlen(source, N);
  std::memcpy(destination, source, length);
  std::memset(destination + length, 0, N - length);
}

}  // namespace

void ClearRecord(PdbRecord& record) {
  std::memset(&record, 0, sizeof record);
  record.lastOpened = static_cast<std::int32_t>(std::time(nullptr));
  record.active = 1;
}

void CopyRecord(PdbRecord& d, const PdbRecord& s) {
  CopyText(d.type, s.type);
  CopyText(d.name, s.name);
  CopyText(d.contact, s.contact);
  CopyText(d.deptMailStop, s.deptMailStop);
  CopyText(d.address1, s.address1);
  CopyText(d.address2, s.address2);
  CopyText(d.city, s.city);
  CopyText(d.stateCode, s.stateCode);
  CopyText(d.state, s.state);
  CopyText(d.postalCode, s.postalCode);
  CopyText(d.country, s.country);
  CopyText(d.note, s.note);
  CopyText(d.telco, s.telco);
  CopyText(d.callType, s.callType);
  CopyText(d.rateEffective, s.rateEffective);
  CopyText(d.comment, s.comment);
  for (int b = 0; b < 3; ++b) {
    CopyText(d.bandTitle[b], s.bandTitle[b]);
    CopyText(d.spareBandText[b], s.spareBandText[b]);
  }
  CopyText(d.spareText, s.spareText);
  CopyText(d.dialPrefix, s.dialPrefix);
  CopyText(d.intlAccessCode, s.intlAccessCode);
  CopyText(d.telcoAccessCode, s.telcoAccessCode);
  CopyText(d.extension, s.extension);
  CopyText(d.areaCode, s.areaCode);
  CopyText(d.prefix, s.prefix);
  CopyText(d.suffix, s.suffix);
  CopyText(d.countryCode, s.countryCode);
  CopyText(d.webSite, s.webSite);
  CopyText(d.email, s.email);
  CopyText(d.locationMark, s.locationMark);
  d.spareNumber1 = s.spareNumber1;
  std::memcpy(d.rates, s.rates, sizeof d.rates);
  d.memoFileNumber = s.memoFileNumber;
  std::memcpy(d.bandHours, s.bandHours, sizeof d.bandHours);
  d.spareNumber2 = s.spareNumber2;
  // surcharge through active, then ratesChanged through the spare bytes, as they are.
  std::memcpy(&d.surcharge, &s.surcharge, offsetof(PdbRecord, ratesChanged) - offsetof(PdbRecord, surcharge));
  std::memcpy(&d.ratesChanged, &s.ratesChanged, sizeof(PdbRecord) - offsetof(PdbRecord, ratesChanged));
}

void ScrambleRecord(PdbRecord& r, bool reading) {
  ScrambleField(r.type, reading);
  ScrambleField(r.name, reading);
  ScrambleField(r.contact, reading);
  ScrambleField(r.deptMailStop, reading);
  ScrambleField(r.address1, reading);
  ScrambleField(r.city, reading);
  ScrambleField(r.stateCode, reading);
  ScrambleField(r.state, reading);
  ScrambleField(r.postalCode, reading);
  ScrambleField(r.country, reading);
  ScrambleField(r.note, reading);
  ScrambleField(r.telco, reading);
  ScrambleField(r.callType, reading);
  ScrambleField(r.rateEffective, reading);
  ScrambleField(r.comment, reading);
  for (int b = 0; b < 3; ++b) {
    ScrambleField(r.bandTitle[b], reading);
    ScrambleField(r.spareBandText[b], reading);
  }
  ScrambleField(r.spareText, reading);
  ScrambleField(r.dialPrefix, reading);
  ScrambleField(r.intlAccessCode, reading);
  ScrambleField(r.telcoAccessCode, reading);
  ScrambleField(r.extension, reading);
  ScrambleField(r.areaCode, reading);
  ScrambleField(r.prefix, reading);
  ScrambleField(r.suffix, reading);
  ScrambleField(r.countryCode, reading);
  ScrambleField(r.locationMark, reading);
}

void UnscrambleListedFields(PdbRecord& r) {
  ScrambleField(r.type, true);
  ScrambleField(r.name, true);
  ScrambleField(r.country, true);
  ScrambleField(r.countryCode, true);
  ScrambleField(r.dialPrefix, true);
  ScrambleField(r.areaCode, true);
  ScrambleField(r.prefix, true);
  ScrambleField(r.suffix, true);
  ScrambleField(r.extension, true);
}

std::string TypeAndName(const PdbRecord& record) {
  return FillPattern(res::kContactLogTitle, {ReadField(record.type), ReadField(record.name)});
}

}  // namespace dorv::data
