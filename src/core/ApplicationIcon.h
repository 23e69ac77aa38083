#pragma once
// The application's icon: the MDI parent's and every window's title bar, and the
// picture of the About window.

#include <QIcon>
#include <QImage>

namespace core {

// A registration sheet with a green band and a white "V", drawn at the sizes title
// bars, task bars and the About window ask for.
QIcon ApplicationIcon();

// The same picture at one size, on a transparent ground; needs no display, so that the
// build draws the desktop's icon from it.
QImage ApplicationIconPicture(int size);

}  // namespace core
