#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace dorv::app {

// The start-up logo and the window icon, drawn by the program itself.
QPixmap MakeLogo();
QIcon MakeIcon();
// The program's mark alone, square, for the window icon and the desktop's icon theme.
QImage MarkImage(int size);

}  // namespace dorv::app
