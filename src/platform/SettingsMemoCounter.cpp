#include "SettingsMemoCounter.h"

#include <QSettings>

namespace dorv::platform {
namespace {
constexpr const char* kGroup = "Dorv";
constexpr const char* kValueKey = "Dorv/NoteFile";
}  // namespace

SettingsMemoCounter::SettingsMemoCounter()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             "Dorv", "Dorv")) {}

SettingsMemoCounter::SettingsMemoCounter(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

SettingsMemoCounter::~SettingsMemoCounter() = default;

bool SettingsMemoCounter::OpenPlace(bool& created) {
  m_settings->sync();  // picks up what another run stored meanwhile
  if (m_settings->status() != QSettings::NoError) return false;
  created = !m_settings->childGroups().contains(kGroup);
  return true;
}

bool SettingsMemoCounter::ReadValue(std::uint32_t& value) {
  QVariant stored = m_settings->value(kValueKey);
  bool ok = false;
  uint number = stored.toUInt(&ok);
  if (!stored.isValid() || !ok) return false;
  value = number;
  return true;
}

bool SettingsMemoCounter::WriteValue(std::uint32_t value) {
  m_settings->setValue(kValueKey, static_cast<uint>(value));
  m_settings->sync();
  return m_settings->status() == QSettings::NoError;
}

}  // namespace dorv::platform
