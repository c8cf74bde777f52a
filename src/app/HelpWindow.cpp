#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::app {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
  setWindowTitle(res::kHelpCaption);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_browser);
  ShowTopic({});
  resize(560, 640);
}

void HelpWindow::ShowTopic(const QString& anchor) {
  QUrl guide("qrc:/help/guide.html");
  if (!anchor.isEmpty()) guide.setFragment(anchor);
  m_browser->setSource(guide);
}

}  // namespace dorv::app
