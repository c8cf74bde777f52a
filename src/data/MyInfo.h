#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "Charges.h"
#include "RecordFile.h"

namespace dorv::data {

// The user's own settings record, the only record of MYINFO.BIN.
struct MyInfo {
  char name[32];
  char address[64];
  char city[32];
  char state[32];
  char stateCode[4];
  char postalCode[16];
  char country[32];
  char countryShort[4];
  char cityCode[8];
  char telcoName[128];
  std::uint8_t spare1[8];
  char areaCode[8];
  char prefix[8];
  char suffix[12];
  char extension[8];
  char countryCode[8];
  char email[128];
  char faxAreaCode[8];
  char faxPrefix[8];
  char faxSuffix[12];
  char operatorLocal[16];
  char operatorLongDistance[16];
  char operatorInternational[16];
  std::uint8_t spare2[32];
  char outsideLine[8];
  char longDistanceAccess[16];
  char intlAccessCode[16];
  char defaultRateLocal[64];
  char defaultRateLongDistance[64];
  char defaultRateInternational[64];
  char infoLocal[16];
  char infoLongDistance[16];
  char infoInternational[16];
  char infoTollFree[16];
  char infoAudioTex[16];
  char repeatDialing[16];
  char callReturn[16];
  char callForwardingOn[16];
  char speedDial[16];
  char callWaiting[16];
  char callWaitingOff[16];
  char internationalCall[16];
  char threeWayCalling[16];
  std::int32_t telcoAccessNumber;
  std::int32_t reminderMinutes;
  std::int32_t sampleMinutes[3];
  std::int32_t timeZone;
  std::uint8_t locationMark;
  std::uint8_t soundOff;
  std::uint8_t spare3[2];
  std::int32_t clock12;
  std::uint32_t infoStored;
  std::uint8_t spare4[12];
  Surcharge surcharges[20];
  RecurringCharge recurringDefaults[20];
  std::int32_t billingFromDay;
  std::int32_t billingThruDay;
  double latitude;
  double longitude;
};

static_assert(sizeof(MyInfo) == 3552);
static_assert(offsetof(MyInfo, address) == 32);
static_assert(offsetof(MyInfo, city) == 96);
static_assert(offsetof(MyInfo, state) == 128);
static_assert(offsetof(MyInfo, stateCode) == 160);
static_assert(offsetof(MyInfo, postalCode) == 164);
static_assert(offsetof(MyInfo, country) == 180);
static_assert(offsetof(MyInfo, countryShort) == 212);
static_assert(offsetof(MyInfo, cityCode) == 216);
static_assert(offsetof(MyInfo, telcoName) == 224);
static_assert(offsetof(MyInfo, spare1) == 352);
static_assert(offsetof(MyInfo, areaCode) == 360);
static_assert(offsetof(MyInfo, prefix) == 368);
static_assert(offsetof(MyInfo, suffix) == 376);
static_assert(offsetof(MyInfo, extension) == 388);
static_assert(offsetof(MyInfo, countryCode) == 396);
static_assert(offsetof(MyInfo, email) == 404);
static_assert(offsetof(MyInfo, faxAreaCode) == 532);
static_assert(offsetof(MyInfo, faxPrefix) == 540);
static_assert(offsetof(MyInfo, faxSuffix) == 548);
static_assert(offsetof(MyInfo, operatorLocal) == 560);
static_assert(offsetof(MyInfo, operatorLongDistance) == 576);
static_assert(offsetof(MyInfo, operatorInternational) == 592);
static_assert(offsetof(MyInfo, spare2) == 608);
static_assert(offsetof(MyInfo, outsideLine) == 640);
static_assert(offsetof(MyInfo, longDistanceAccess) == 648);
static_assert(offsetof(MyInfo, intlAccessCode) == 664);
static_assert(offsetof(MyInfo, defaultRateLocal) == 680);
static_assert(offsetof(MyInfo, defaultRateLongDistance) == 744);
static_assert(offsetof(MyInfo, defaultRateInternational) == 808);
static_assert(offsetof(MyInfo, infoLocal) == 872);
static_assert(offsetof(MyInfo, infoLongDistance) == 888);
static_assert(offsetof(MyInfo, infoInternational) == 904);
static_assert(offsetof(MyInfo, infoTollFree) == 920);
static_assert(offsetof(MyInfo, infoAudioTex) == 936);
static_assert(offsetof(MyInfo, repeatDialing) == 952);
static_assert(offsetof(MyInfo, callReturn) == 968);
static_assert(offsetof(MyInfo, callForwardingOn) == 984);
static_assert(offsetof(MyInfo, speedDial) == 1000);
static_assert(offsetof(MyInfo, callWaiting) == 1016);
static_assert(offsetof(MyInfo, callWaitingOff) == 1032);
static_assert(offsetof(MyInfo, internationalCall) == 1048);
static_assert(offsetof(MyInfo, threeWayCalling) == 1064);
static_assert(offsetof(MyInfo, telcoAccessNumber) == 1080);
static_assert(offsetof(MyInfo, reminderMinutes) == 1084);
static_assert(offsetof(MyInfo, sampleMinutes) == 1088);
static_assert(offsetof(MyInfo, timeZone) == 1100);
static_assert(offsetof(MyInfo, locationMark) == 1104);
static_assert(offsetof(MyInfo, soundOff) == 1105);
static_assert(offsetof(MyInfo, clock12) == 1108);
static_assert(offsetof(MyInfo, infoStored) == 1112);
static_assert(offsetof(MyInfo, surcharges) == 1128);
static_assert(offsetof(MyInfo, recurringDefaults) == 2088);
static_assert(offsetof(MyInfo, billingFromDay) == 3528);
static_assert(offsetof(MyInfo, billingThruDay) == 3532);
static_assert(offsetof(MyInfo, latitude) == 3536);
static_assert(offsetof(MyInfo, longitude) == 3544);

void ClearMyInfo(MyInfo& info);
void ApplyNorthAmericanDefaults(MyInfo& info);
void ApplyInternationalDefaults(MyInfo& info);
std::string MyLocationText(const MyInfo& info);
std::string MyPhoneText(const MyInfo& info);

// MYINFO.BIN, created with the neutral record when missing. A save replaces the file whole, so
// a failed one leaves the stored settings as they were.
class MyInfoFile {
 public:
  MyInfoFile() = default;
  ~MyInfoFile();
  MyInfoFile(const MyInfoFile&) = delete;
  MyInfoFile& operator=(const MyInfoFile&) = delete;

  bool Open();
  // Opens an existing file for reading only; a missing one fails and is not made.
  bool OpenReadOnly();
  bool Close();
  // On a short read the record is the neutral one and the result is false.
  bool Read(MyInfo& info);
  bool Write(const MyInfo& info);

 private:
  RecordFile m_file;
  MyInfo m_fresh{};
};

}  // namespace dorv::data
