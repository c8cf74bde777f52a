#include "reports/DateSpin.h"

#include <QLineEdit>

namespace dorv::reports {

DateSpin::DateSpin(QWidget* parent) : QAbstractSpinBox(parent) {
  lineEdit()->setReadOnly(true);
  setAlignment(Qt::AlignRight);
}

void DateSpin::SetText(const QString& text) { lineEdit()->setText(text); }
QString DateSpin::Text() const { return lineEdit()->text(); }

void DateSpin::stepBy(int steps) {
  if (onStep) onStep(steps);
}

}  // namespace dorv::reports
