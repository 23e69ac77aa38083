// velorast-draw-icon FOLDER NAME: the application's icon for the desktop's icon theme,
// drawn from the picture of the window icon as FOLDER/<n>x<n>/apps/NAME.png at each
// size the theme keeps. Run by the build; needs no display.

#include <QDir>
#include <QString>
#include <cstdio>

#include "core/ApplicationIcon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velorast-draw-icon FOLDER NAME\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
    if (!QDir().mkpath(dir) || !core::ApplicationIconPicture(size).save(file, "PNG")) {
      std::fprintf(stderr, "velorast-draw-icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
