#include "rating/callscreen/StepField.h"

#include <QLineEdit>

namespace dorv::rating {

StepField::StepField(QWidget* parent) : QAbstractSpinBox(parent) {
  setAlignment(Qt::AlignRight);
  setAccelerated(true);
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
    if (m_editable && lineEdit()->isModified() && onTyped) {
      lineEdit()->setModified(false);
      onTyped(lineEdit()->text());
    }
  });
}

void StepField::SetText(const QString& text) {
  const int caret = lineEdit()->cursorPosition();
  lineEdit()->setText(text);
  lineEdit()->setModified(false);
  lineEdit()->setCursorPosition(std::min<int>(caret, text.size()));
}

QString StepField::Text() const { return lineEdit()->text(); }

void StepField::SetEditable(bool editable) {
  m_editable = editable;
  setReadOnly(!editable);
  setButtonSymbols(editable ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
}

int StepField::CaretPosition() const { return lineEdit()->cursorPosition(); }
void StepField::SetCaretPosition(int position) { lineEdit()->setCursorPosition(position); }

void StepField::stepBy(int steps) {
  if (!m_editable || !onStep) return;
  // A typed value is taken over before the step moves it.
  if (lineEdit()->isModified() && onTyped) {
    lineEdit()->setModified(false);
    onTyped(lineEdit()->text());
  }
  onStep(steps);
}

QAbstractSpinBox::StepEnabled StepField::stepEnabled() const {
  return m_editable ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

}  // namespace dorv::rating
