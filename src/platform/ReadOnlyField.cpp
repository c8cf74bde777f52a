#include "platform/ReadOnlyField.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>

namespace dorv::platform {

namespace {

// The pixels a line edit has for its text: its contents less the text margins, the frame and
// the two-pixel margin the edit keeps on either side.
int TextWidth(const QLineEdit& field) {
  const QMargins margins = field.textMargins();
  const int frame = field.hasFrame()
                        ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field)
                        : 0;
  return field.contentsRect().width() - margins.left() - margins.right() - 2 * frame - 4;
}

void UpdateTip(QLineEdit& field) {
  field.setToolTip(CutTextTip(field.fontMetrics(), field.text(), TextWidth(field)));
}

// Keeps the tool tip right when the field's width or font changes.
class TipOnResize final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
      UpdateTip(static_cast<QLineEdit&>(*watched));
    return false;
  }
};

}  // namespace

QString CutTextTip(const QFontMetrics& metrics, const QString& text, int width) {
  return metrics.horizontalAdvance(text) > width ? text : QString();
}

void MarkReadOnly(QLineEdit& field, bool readOnly) {
  field.setReadOnly(readOnly);
  field.setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
  QPalette palette;  // editable: the colours of the parent again
  if (readOnly) {
    palette = field.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
  }
  field.setPalette(palette);
  if (field.property("dorvWholeTextTip").toBool()) return;
  field.setProperty("dorvWholeTextTip", true);
  field.installEventFilter(new TipOnResize(&field));
  QObject::connect(&field, &QLineEdit::textChanged, &field, [&field] { UpdateTip(field); });
}

}  // namespace dorv::platform
