#pragma once
#include <QAbstractSpinBox>
#include <functional>

namespace dorv::reports {

// A date part shown as text with spin arrows; the owner decides what a step does and what the
// field then shows. Nothing can be typed.
class DateSpin final : public QAbstractSpinBox {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(DateSpin)

 public:
  explicit DateSpin(QWidget* parent = nullptr);
  void SetText(const QString& text);
  QString Text() const;

  std::function<void(int steps)> onStep;
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

}  // namespace dorv::reports
