// Renders the program's icon into an icon theme folder: <folder>/<N>x<N>/apps/local.dorv.Dorv.png.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/Artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dorv_icons FOLDER\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  const QDir theme(QString::fromLocal8Bit(argv[1]));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QString("%1x%1/apps").arg(size);
    const QString path = theme.filePath(folder + "/local.dorv.Dorv.png");
    if (!theme.mkpath(folder) || !dorv::app::MarkImage(size).save(path, "PNG")) {
      std::fprintf(stderr, "dorv_icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
