#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPainter;

namespace dorv::platform {

// The bold yellow notes that warn about the sample rates. They sit on a dark band of their
// own, so that they can be read on any palette.
inline const QColor kWarningText(255, 255, 0);
inline const QColor kWarningBand(48, 48, 48);

QFont WarningFont();
void StyleWarningLabel(QLabel& label);
// Paints the note aligned in the box, on a band just wider than its text.
void PaintWarning(QPainter& painter, const QRect& box, Qt::Alignment alignment,
                  const QString& text);

// The contrast ratio of two colours as accessibility guidelines define it, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace dorv::platform
