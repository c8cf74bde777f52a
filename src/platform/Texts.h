#pragma once
#include <QFontMetrics>
#include <QString>

class QWidget;

namespace dorv::platform {

// Sets "title - (old caption)", or "title - (old caption text)" when a caption text is given,
// or "title - (old caption text - sub-title)" when a sub-title is given too.
void SetCaption(QWidget& window, const QString& captionText = {}, const QString& subTitle = {});

// The text, or a copy shortened from the end and ending in "..." so that it fits width - margin.
QString FitText(const QFontMetrics& metrics, const QString& text, int width, int margin);

}  // namespace dorv::platform
