#include "platform/WarningNote.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace dorv::platform {
namespace {

double Luminance(const QColor& colour) {
  auto channel = [](double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

}  // namespace

QFont WarningFont() {
  QFont font("Times New Roman");
  font.setPixelSize(12);
  font.setWeight(QFont::Bold);
  return font;
}

void StyleWarningLabel(QLabel& label) {
  label.setFont(WarningFont());
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, kWarningText);
  palette.setColor(QPalette::Window, kWarningBand);
  label.setPalette(palette);
  label.setAutoFillBackground(true);
  label.setMargin(2);
  label.setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

void PaintWarning(QPainter& painter, const QRect& box, Qt::Alignment alignment,
                  const QString& text) {
  painter.save();
  painter.setFont(WarningFont());
  const QRect textBox = painter.boundingRect(box, int(alignment), text);
  painter.fillRect(textBox.adjusted(-3, -1, 3, 1), kWarningBand);
  painter.setPen(kWarningText);
  painter.drawText(box, int(alignment), text);
  painter.restore();
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double x = Luminance(a), y = Luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

}  // namespace dorv::platform
