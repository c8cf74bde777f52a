#pragma once
#include <QFontMetrics>
#include <QString>

class QLineEdit;

namespace dorv::platform {

// A field the program fills and the user only reads: it shows the window colour instead of the
// edit colour, Tab passes it by, a click still selects its text for copying, and while its text
// is wider than the field the whole text is its tool tip. With false, the field is editable
// again and looks it.
void MarkReadOnly(QLineEdit& field, bool readOnly = true);

// The tool tip of a text shown in width pixels: the whole text when it does not fit, else none.
QString CutTextTip(const QFontMetrics& metrics, const QString& text, int width);

}  // namespace dorv::platform
