#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dorv::data {

static_assert(std::endian::native == std::endian::little, "data files are little-endian");

// The book a personal database entry lives in.
enum class PdbKind : int { Toll = 1, TollFree = 2, AudioTex = 3 };

struct BandRates {
  double initial;     // cents per first interval
  double additional;  // cents per additional interval
};

// One personal database entry, byte for byte as stored in DORV21..DORV23.
struct PdbRecord {
  char type[32];
  char name[32];
  char contact[32];
  char deptMailStop[25];
  char address1[32];
  char address2[32];
  char city[32];
  char stateCode[4];
  char state[32];
  char postalCode[16];
  char country[32];
  char note[80];
  char telco[30];
  char callType[20];
  char rateEffective[20];
  char comment[48];
  char bandTitle[3][32];
  char spareBandText[3][64];
  char spareText[20];
  char dialPrefix[8];
  char intlAccessCode[8];
  char telcoAccessCode[8];
  char extension[8];
  char areaCode[8];
  char prefix[8];
  char suffix[12];
  char countryCode[8];
  char webSite[256];
  char email[128];
  std::uint8_t padding1;
  std::uint32_t spareNumber1;
  char locationMark[4];
  std::uint8_t padding2[4];
  BandRates rates[3];
  std::uint32_t memoFileNumber;
  std::uint16_t bandHours[18];
  std::uint32_t spareNumber2;
  float surcharge;
  std::int32_t lastOpened;
  std::int32_t timeZone;
  std::uint32_t initialInterval;
  std::uint32_t additionalInterval;
  std::uint32_t active;
  std::uint8_t ratesChanged;
  std::uint8_t hidden;
  std::uint8_t spare[2];
};

static_assert(sizeof(PdbRecord) == 1392);
static_assert(offsetof(PdbRecord, type) == 0);
static_assert(offsetof(PdbRecord, name) == 32);
static_assert(offsetof(PdbRecord, contact) == 64);
static_assert(offsetof(PdbRecord, deptMailStop) == 96);
static_assert(offsetof(PdbRecord, address1) == 121);
static_assert(offsetof(PdbRecord, address2) == 153);
static_assert(offsetof(PdbRecord, city) == 185);
static_assert(offsetof(PdbRecord, stateCode) == 217);
static_assert(offsetof(PdbRecord, state) == 221);
static_assert(offsetof(PdbRecord, postalCode) == 253);
static_assert(offsetof(PdbRecord, country) == 269);
static_assert(offsetof(PdbRecord, note) == 301);
static_assert(offsetof(PdbRecord, telco) == 381);
static_assert(offsetof(PdbRecord, callType) == 411);
static_assert(offsetof(PdbRecord, rateEffective) == 431);
static_assert(offsetof(PdbRecord, comment) == 451);
static_assert(offsetof(PdbRecord, bandTitle) == 499);
static_assert(offsetof(PdbRecord, spareBandText) == 595);
static_assert(offsetof(PdbRecord, spareText) == 787);
static_assert(offsetof(PdbRecord, dialPrefix) == 807);
static_assert(offsetof(PdbRecord, intlAccessCode) == 815);
static_assert(offsetof(PdbRecord, telcoAccessCode) == 823);
static_assert(offsetof(PdbRecord, extension) == 831);
static_assert(offsetof(PdbRecord, areaCode) == 839);
static_assert(offsetof(PdbRecord, prefix) == 847);
static_assert(offsetof(PdbRecord, suffix) == 855);
static_assert(offsetof(PdbRecord, countryCode) == 867);
static_assert(offsetof(PdbRecord, webSite) == 875);
static_assert(offsetof(PdbRecord, email) == 1131);
static_assert(offsetof(PdbRecord, padding1) == 1259);
static_assert(offsetof(PdbRecord, spareNumber1) == 1260);
static_assert(offsetof(PdbRecord, locationMark) == 1264);
static_assert(offsetof(PdbRecord, padding2) == 1268);
static_assert(offsetof(PdbRecord, rates) == 1272);
static_assert(offsetof(PdbRecord, memoFileNumber) == 1320);
static_assert(offsetof(PdbRecord, bandHours) == 1324);
static_assert(offsetof(PdbRecord, spareNumber2) == 1360);
static_assert(offsetof(PdbRecord, surcharge) == 1364);
static_assert(offsetof(PdbRecord, lastOpened) == 1368);
static_assert(offsetof(PdbRecord, timeZone) == 1372);
static_assert(offsetof(PdbRecord, initialInterval) == 1376);
static_assert(offsetof(PdbRecord, additionalInterval) == 1380);
static_assert(offsetof(PdbRecord, active) == 1384);
static_assert(offsetof(PdbRecord, ratesChanged) == 1388);
static_assert(offsetof(PdbRecord, hidden) == 1389);
static_assert(offsetof(PdbRecord, spare) == 1390);

// All bytes zero, then lastOpened = now and active = 1.
void ClearRecord(PdbRecord& record);

// Field-by-field copy; text fields stop at the source's first NUL and are NUL-filled behind it.
void CopyRecord(PdbRecord& destination, const PdbRecord& source);

// The entry's type and name as "%s - %s", in the bytes stored (Latin-1): how the entry is
// named at the head of its contact log and memos.
std::string TypeAndName(const PdbRecord& record);

// The self-inverse substitution applied to every scrambled text field. On reading,
// trailing blanks of each field turn into NULs afterwards.
void ScrambleRecord(PdbRecord& record, bool reading);

// Which fields a read of a book unscrambles: every one, or only those a list row shows (the
// type, the name and the parts of the number), leaving the others as stored.
enum class PdbFields { All, Listed };
// Unscrambles, as a read does, only the fields a list row shows.
void UnscrambleListedFields(PdbRecord& record);

}  // namespace dorv::data
