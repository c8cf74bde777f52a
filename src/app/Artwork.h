#pragma once
#include <QIcon>
#include <QPixmap>

namespace dorv::app {

// The start-up logo and the window icon, drawn by the program itself.
QPixmap MakeLogo();
QIcon MakeIcon();

}  // namespace dorv::app
