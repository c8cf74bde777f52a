#pragma once
#include <QAbstractSpinBox>
#include <QStringList>
#include <functional>

namespace dorv::rating {

// A text field with spin arrows whose steps and typed texts the owner interprets: a step
// calls onStep, and leaving the field after typing calls onTyped with the text.
class StepField final : public QAbstractSpinBox {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(StepField)

 public:
  explicit StepField(QWidget* parent = nullptr);

  void SetText(const QString& text);
  QString Text() const;
  // Editable fields take typed values and steps; others only show their text.
  void SetEditable(bool editable);
  int CaretPosition() const;
  void SetCaretPosition(int position);

  std::function<void(int steps)> onStep;
  std::function<void(const QString& text)> onTyped;

  void stepBy(int steps) override;
  // The field is made wide enough for the widest of these texts in its font.
  void SetWidestTexts(QStringList texts);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  StepEnabled stepEnabled() const override;

 private:
  bool m_editable = true;
  QStringList m_widestTexts;
};

}  // namespace dorv::rating
