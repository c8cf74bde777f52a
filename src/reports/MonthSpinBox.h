#pragma once
#include <QSpinBox>

namespace dorv::reports {

// A month, 1 to 12, shown by its name; its arrows step one month and stop at January and
// December rather than wrap into another year.
class MonthSpinBox final : public QSpinBox {
 public:
  explicit MonthSpinBox(QWidget* parent = nullptr);

 protected:
  QString textFromValue(int month) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& position) const override;
};

}  // namespace dorv::reports
