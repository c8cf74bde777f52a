#pragma once
#include <QString>
#include <memory>

#include "data/MemoCounter.h"

class QSettings;

namespace dorv::platform {

// The memo file counter as the user's setting "NoteFile" in the group "Dorv".
class SettingsMemoCounter final : public data::MemoCounterStore {
 public:
  // The user's own settings of the program.
  SettingsMemoCounter();
  // A settings file of its own (tests).
  explicit SettingsMemoCounter(const QString& fileName);
  ~SettingsMemoCounter() override;

  bool OpenPlace(bool& created) override;
  bool ReadValue(std::uint32_t& value) override;
  bool WriteValue(std::uint32_t value) override;

 private:
  std::unique_ptr<QSettings> m_settings;
};

}  // namespace dorv::platform
