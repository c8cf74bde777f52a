#include "rating/callscreen/StepField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

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

void StepField::SetWidestTexts(QStringList texts) {
  m_widestTexts = std::move(texts);
  updateGeometry();
}

QSize StepField::sizeHint() const {
  const QSize standard = QAbstractSpinBox::sizeHint();
  if (m_widestTexts.isEmpty()) return standard;
  ensurePolished();
  int width = 0;
  for (const QString& text : m_widestTexts)
    width = std::max(width, fontMetrics().horizontalAdvance(text + ' '));
  // As the spin box measures its own texts: room for the caret, then the frame and buttons.
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  const QSize content(width + 2, lineEdit()->sizeHint().height());
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this)
      .expandedTo(QSize(0, standard.height()));
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
