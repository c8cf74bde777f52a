#pragma once
#include <QDialog>

class QTextBrowser;

namespace dorv::app {

// The user's guide in a window of its own beside the main window.
class HelpWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  QTextBrowser* Browser() const { return m_browser; }
  // Shows the guide at a topic's anchor; at its start when the anchor is empty.
  void ShowTopic(const QString& anchor);

 private:
  QTextBrowser* m_browser;
};

}  // namespace dorv::app
