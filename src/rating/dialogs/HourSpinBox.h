#pragma once
#include <QSpinBox>

namespace dorv::rating {

// One band hour, 0 to 24, shown as "8 AM", "Noon", "5 PM", "Mid" or nothing for 0. The hour
// changes only by stepping; a step that would leave 0 to 24 keeps the hour.
class HourSpinBox final : public QSpinBox {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(HourSpinBox)

 public:
  explicit HourSpinBox(QWidget* parent = nullptr);
  void stepBy(int steps) override;

 protected:
  QString textFromValue(int value) const override;
  int valueFromText(const QString& text) const override;
  QValidator::State validate(QString& input, int& pos) const override;
};

}  // namespace dorv::rating
