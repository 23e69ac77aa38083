#pragma once
// The application's icon: the MDI parent's and every window's title bar, and the
// picture of the About window.

#include <QIcon>

namespace core {

// A registration sheet with a green band and a white "V", drawn at the sizes title
// bars, task bars and the About window ask for.
QIcon ApplicationIcon();

}  // namespace core
