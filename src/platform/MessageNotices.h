#pragma once
#include "data/Notices.h"

class QWidget;

namespace dorv::platform {

// Shows a file operation's notice in a message box with an OK button.
class MessageNotices final : public data::Notices {
 public:
  void SetParent(QWidget* parent) { m_parent = parent; }
  void Notice(const std::string& text) override;

 private:
  QWidget* m_parent = nullptr;
};

}  // namespace dorv::platform
