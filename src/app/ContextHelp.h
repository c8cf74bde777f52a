#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace dorv::app {

// F1 anywhere in the program: asks for the guide at the topic of the window the key was
// pressed in. A window without a topic of its own (a message box, a plain dialog) takes that
// of the window it belongs to; the main window opens the guide at its start.
class ContextHelp final : public QObject {
 public:
  using ShowGuide = std::function<void(QWidget* window, const QString& anchor)>;
  // Watches the keys of the whole application while it lives.
  ContextHelp(ShowGuide show, QObject* parent);

  // The topic of a window: its own, or the first its owners have.
  static QString AnchorFor(const QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ShowGuide m_show;
};

}  // namespace dorv::app
