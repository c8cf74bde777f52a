#include "MessageNotices.h"

#include "Messages.h"

namespace dorv::platform {

void MessageNotices::Notice(const std::string& text) {
  Ask(m_parent, QString::fromStdString(text), QMessageBox::Ok, QMessageBox::Information);
}

}  // namespace dorv::platform
