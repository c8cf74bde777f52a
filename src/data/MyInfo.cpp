#include "MyInfo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "DatabaseDir.h"
#include "FileCalls.h"
#include "FixedText.h"
#include "PdbText.h"
#include "Rewrite.h"

namespace dorv::data {

void ClearMyInfo(MyInfo& info) {
  std::memset(&info, 0, sizeof info);
  info.reminderMinutes = 15;
  info.sampleMinutes[0] = 1;
  info.sampleMinutes[1] = 3;
  info.sampleMinutes[2] = 10;
  info.billingFromDay = 15;
  info.billingThruDay = 14;
  info.latitude = -1.0;
  info.longitude = -1.0;
  for (Surcharge& s : info.surcharges) s.kind = 1;
}

namespace {
void SetDefaultRates(MyInfo& info) {
  WriteField(info.defaultRateLocal, "DIRECT DIAL");
  WriteField(info.defaultRateLongDistance, "DIRECT DIAL");
  WriteField(info.defaultRateInternational, "DIRECT DIAL");
}
}  // namespace

void ApplyNorthAmericanDefaults(MyInfo& info) {
  SetDefaultRates(info);
  WriteField(info.repeatDialing, "*66");
  WriteField(info.callReturn, "*69");
  WriteField(info.callForwardingOn, "*72");
  WriteField(info.speedDial, "74#");
  WriteField(info.callWaiting, "BEEP");
  WriteField(info.callWaitingOff, "*70");
  WriteField(info.internationalCall, "#");
  WriteField(info.threeWayCalling, "----");
  WriteField(info.operatorLocal, "0");
  WriteField(info.operatorLongDistance, "00");
  WriteField(info.operatorInternational, "00");
  WriteField(info.longDistanceAccess, "1");
  WriteField(info.intlAccessCode, "011");
  WriteField(info.infoLocal, "411");
  WriteField(info.infoLongDistance, "1-A/C-555-1212");
  WriteField(info.infoInternational, "00");
  WriteField(info.infoTollFree, "1-800-555-1212");

  struct Recurring { const char* name; double amount; };
  static constexpr Recurring kRecurring[] = {
      {"Residential Flat Rate Service", 1500.0},
      {"Network Access for Interstata Calling", 350.0},
      {"Number not Published", 50.0},
      {"Rate Surcharge", 400.0},
      {"Taxes", 1000.0}};
  for (std::size_t i = 0; i < std::size(kRecurring); ++i) {
    WriteField(info.recurringDefaults[i].name, kRecurring[i].name);
    info.recurringDefaults[i].amount = kRecurring[i].amount;
  }

  struct Extra { const char* description; double cost; int kind; int minutes; };
  static constexpr Extra kSurcharges[] = {
      {"Calling Card A", 95.0, 1, 0},         {"Calling Card B", 95.0, 1, 0},
      {"Operator Assisted Call", 105.0, 1, 0}, {"Person to Person", 295.0, 1, 0},
      {"Station to Station", 95.0, 1, 0},     {"Labor on this call", 600.0, 2, 5},
      {"Other", 95.0, 1, 0}};
  for (std::size_t i = 0; i < std::size(kSurcharges); ++i) {
    Surcharge& s = info.surcharges[i];
    WriteField(s.description, kSurcharges[i].description);
    s.cost = kSurcharges[i].cost;
    s.kind = kSurcharges[i].kind;
    s.minutes = kSurcharges[i].minutes;
  }
}

void ApplyInternationalDefaults(MyInfo& info) { SetDefaultRates(info); }

std::string MyLocationText(const MyInfo& info) {
  return LocationText({ReadField(info.city), ReadField(info.state), ReadField(info.postalCode),
                       ReadField(info.country)});
}

std::string MyPhoneText(const MyInfo& info) {
  std::string text =
      ReadField(info.areaCode) + "." + ReadField(info.prefix) + "." + ReadField(info.suffix);
  std::string extension = ReadField(info.extension);
  if (!extension.empty()) text += " ext. " + extension;
  return text;
}

MyInfoFile::~MyInfoFile() { Close(); }

namespace {
constexpr const char* kMyInfoName = "MYINFO.BIN";
}  // namespace

bool MyInfoFile::Open() {
  Close();
  if (m_file.Open(kMyInfoName, true)) return true;
  // Only a missing file is made afresh: one that failed to open for another reason keeps the
  // user's settings.
  if (errno != ENOENT) return false;
  auto path = DatabasePath(kMyInfoName);
  if (!path) return false;
  int fd = Calls().open(path->c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ClearMyInfo(m_fresh);
  if (WriteFully(fd, &m_fresh, sizeof m_fresh, 0) && Calls().fsync(fd) == 0) {
    m_file.Adopt(fd);
    return true;
  }
  ::close(fd);
  ::unlink(path->c_str());
  return false;
}

bool MyInfoFile::OpenReadOnly() { return m_file.Open(kMyInfoName, false); }

bool MyInfoFile::Close() {
  m_file.Close();
  return true;
}

bool MyInfoFile::Read(MyInfo& info) {
  ClearMyInfo(info);
  if (m_file.ReadAt(0, &info, sizeof info)) return true;
  ClearMyInfo(info);
  return false;
}

bool MyInfoFile::Write(const MyInfo& info) {
  if (!m_file.IsOpen()) return false;
  int fd = ReplaceFile(kMyInfoName, &info, sizeof info);
  if (fd < 0) return false;
  m_file.Adopt(fd);
  return true;
}

}  // namespace dorv::data
