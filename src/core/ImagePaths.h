#pragma once
// Full paths of the button pictures found under the program folder's img/ at start-up;
// empty when the file was not there.

#include <QString>

namespace core::images {

inline QString ImgOk;
inline QString ImgCancel;
inline QString ImgExit;
inline QString ImgPrint;

void LoadImagePaths();
bool FileExists(const QString& path);

}  // namespace core::images
