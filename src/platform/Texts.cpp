#include "platform/Texts.h"

#include <QWidget>

#include "res/Strings.h"

namespace dorv::platform {

void SetCaption(QWidget& window, const QString& captionText, const QString& subTitle) {
  QString inner = window.windowTitle();
  if (!captionText.isEmpty()) {
    // A window without a caption of its own shows the caption text alone, with no blank first.
    if (!inner.isEmpty()) inner += ' ';
    inner += captionText;
    if (!subTitle.isEmpty()) inner += " - " + subTitle;
  }
  window.setWindowTitle(QString(res::kProductTitle) + " - (" + inner + ")");
}

QString FitText(const QFontMetrics& metrics, const QString& text, int width, int margin) {
  if (text.isEmpty()) return text;
  if (metrics.horizontalAdvance(text) + margin <= width) return text;
  const QString dots = "...";
  int dotsWidth = metrics.horizontalAdvance(dots);
  QString shortened = text;
  while (shortened.size() > 1 &&
         metrics.horizontalAdvance(shortened) + dotsWidth + margin > width)
    shortened.chop(1);
  return shortened + dots;
}

}  // namespace dorv::platform
