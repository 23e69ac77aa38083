#include "core/ImagePaths.h"

#include <QFile>

#include "core/AppState.h"

namespace core::images {

void LoadImagePaths() {
  struct Picture { const char* file; QString* path; };
  const Picture pictures[] = {
      {"cancel.gif", &ImgCancel}, {"exit.gif", &ImgExit}, {"ok.gif", &ImgOk}, {"print.gif", &ImgPrint},
      {"stema.bmp", &ImgStema}};
  for (const Picture& p : pictures) {
    const QString path = AppPath + QStringLiteral("/img/") + QLatin1String(p.file);
    *p.path = FileExists(path) ? path : QString();
  }
}

bool FileExists(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  file.close();
  return true;
}

}  // namespace core::images
