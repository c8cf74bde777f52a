#include "reports/MonthSpinBox.h"

#include <QLineEdit>

#include "data/MoneyText.h"
#include "platform/RecordText.h"

namespace dorv::reports {

MonthSpinBox::MonthSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(1, 12);
  setWrapping(false);
  // The name is chosen with the arrows, not typed.
  lineEdit()->setReadOnly(true);
}

QString MonthSpinBox::textFromValue(int month) const {
  return platform::FromRecord(data::MonthName(month));
}

int MonthSpinBox::valueFromText(const QString& text) const {
  for (int month = 1; month <= 12; ++month)
    if (text == textFromValue(month)) return month;
  return value();
}

QValidator::State MonthSpinBox::validate(QString& text, int&) const {
  for (int month = 1; month <= 12; ++month)
    if (text == textFromValue(month)) return QValidator::Acceptable;
  return QValidator::Invalid;
}

}  // namespace dorv::reports
