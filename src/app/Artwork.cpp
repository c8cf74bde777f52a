#include "app/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "res/Strings.h"

namespace dorv::app {
namespace {

// A telephone handset over a coin: the program's mark.
void DrawMark(QPainter& p, const QRectF& box) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 2, 2), box.width() / 40));
  p.setBrush(QColor(175, 4, 4));
  p.drawEllipse(box.adjusted(box.width() * 0.05, box.height() * 0.05, -box.width() * 0.05,
                             -box.height() * 0.05));
  p.setBrush(QColor(250, 214, 90));
  p.setPen(Qt::NoPen);
  QRectF inner = box.adjusted(box.width() * 0.22, box.height() * 0.22, -box.width() * 0.22,
                              -box.height() * 0.22);
  QPainterPath handset;
  double w = inner.width(), h = inner.height();
  handset.addRoundedRect(QRectF(inner.left(), inner.top() + h * 0.35, w, h * 0.3), h * 0.12,
                         h * 0.12);
  handset.addEllipse(QRectF(inner.left() - w * 0.05, inner.top() + h * 0.15, w * 0.32, h * 0.55));
  handset.addEllipse(QRectF(inner.right() - w * 0.27, inner.top() + h * 0.15, w * 0.32, h * 0.55));
  p.drawPath(handset.simplified());
}

}  // namespace

QPixmap MakeLogo() {
  QPixmap logo(360, 200);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  QLinearGradient shade(0, 0, 0, 200);
  shade.setColorAt(0, QColor(255, 255, 255));
  shade.setColorAt(1, QColor(222, 222, 222));
  p.setBrush(shade);
  p.setPen(QPen(QColor(96, 96, 96), 2));
  p.drawRoundedRect(QRectF(1, 1, 358, 198), 14, 14);
  DrawMark(p, QRectF(20, 40, 120, 120));
  QFont title("Sans Serif", 40, QFont::Bold);
  p.setFont(title);
  p.setPen(QColor(120, 2, 2));
  p.drawText(QRectF(150, 40, 200, 70), Qt::AlignLeft | Qt::AlignVCenter, res::kProductTitle);
  QFont line("Sans Serif", 11);
  p.setFont(line);
  p.setPen(QColor(48, 48, 48));
  p.drawText(QRectF(150, 110, 200, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             res::kLogoTagline);
  return logo;
}

QImage MarkImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawMark(p, QRectF(0, 0, size, size));
  return image;
}

QIcon MakeIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(MarkImage(size)));
  return icon;
}

}  // namespace dorv::app
