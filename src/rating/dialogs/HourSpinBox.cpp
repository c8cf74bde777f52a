#include "rating/dialogs/HourSpinBox.h"

#include <QLineEdit>

#include "rating/RateBandCheck.h"

namespace dorv::rating {

HourSpinBox::HourSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(0, 24);
  setWrapping(false);
  // The edit shows the hour's text; typing is not how an hour is chosen.
  lineEdit()->setReadOnly(true);
}

void HourSpinBox::stepBy(int steps) {
  const int next = SteppedHour(value(), steps);
  if (next != value()) setValue(next);
}

QString HourSpinBox::textFromValue(int value) const {
  return QString::fromStdString(SpinHourText(value));
}

int HourSpinBox::valueFromText(const QString& text) const {
  const int hour = SpinHourOfText(text.toStdString());
  return hour < 0 ? value() : hour;
}

QValidator::State HourSpinBox::validate(QString& input, int&) const {
  return SpinHourOfText(input.toStdString()) < 0 ? QValidator::Intermediate
                                                 : QValidator::Acceptable;
}

}  // namespace dorv::rating
