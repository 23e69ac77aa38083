#pragma once
// Full paths of the pictures found under the program folder's img/ at start-up: the
// button pictures and the coat of arms of the tax declaration; empty when the file was
// not there.

#include <QString>

namespace core::images {

inline QString ImgOk;
inline QString ImgCancel;
inline QString ImgExit;
inline QString ImgPrint;
inline QString ImgStema;  // stema.bmp, 153 x 211 pixels, black and white

// For each picture whose file under AppPath/img/ can be opened for reading, its full
// path; the others stay empty. Called once at start-up.
void LoadImagePaths();
// Whether the file can be opened for reading (and is closed again at once).
bool FileExists(const QString& path);

}  // namespace core::images
