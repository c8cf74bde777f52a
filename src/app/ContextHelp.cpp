#include "app/ContextHelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/HelpTopics.h"

namespace dorv::app {

ContextHelp::ContextHelp(ShowGuide show, QObject* parent)
    : QObject(parent), m_show(std::move(show)) {
  qApp->installEventFilter(this);
}

QString ContextHelp::AnchorFor(const QWidget* window) {
  for (const QWidget* at = window; at;
       at = at->parentWidget() ? at->parentWidget()->window() : nullptr) {
    const std::string_view anchor = HelpAnchorOf(at->metaObject()->className());
    if (!anchor.empty()) return QString::fromLatin1(anchor.data(), qsizetype(anchor.size()));
  }
  return {};
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  QWidget* window = static_cast<QWidget*>(watched)->window();
  m_show(window, AnchorFor(window));
  return true;
}

}  // namespace dorv::app
