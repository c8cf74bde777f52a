#pragma once
#include <QString>

class QLabel;
class QWidget;

namespace dorv::platform {

// A label tied to the field it names, beside the field: a screen reader says the label's text
// for the field, and the label's Alt key, if it has one, moves the focus there.
QLabel* LabelFor(const QString& text, QWidget* field);

// What a screen reader calls one of the three fields of an amount (0: dollars, 1: cents,
// 2: hundredths of a cent).
QString MoneyPartName(const QString& amount, int part);

}  // namespace dorv::platform
