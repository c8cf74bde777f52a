#pragma once
#include <array>
#include <cstdint>

#include "platform/EntryDialog.h"

class QLineEdit;
class QPushButton;

namespace dorv::rating {

// The three sample call lengths, in minutes, for one call screen. On OK Minutes() holds the
// new lengths; otherwise the lengths as given.
class CSampleTimeCalculationsDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CSampleTimeCalculationsDlg)

 public:
  explicit CSampleTimeCalculationsDlg(const std::array<std::int32_t, 3>& minutes,
                                      QWidget* parent = nullptr);

  const std::array<std::int32_t, 3>& Minutes() const { return m_minutes; }

  void accept() override;  // takes the three lengths when every one is valid

 private:
  std::array<std::int32_t, 3> m_minutes;
  std::array<QLineEdit*, 3> m_fields{};
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

}  // namespace dorv::rating
