#pragma once
// What the core's windows share: the fixed dialog frame sized in twips, the placing on
// the owner or the screen, and the pictures of their buttons.

#include <QString>

#include "platform/PictureButton.h"

class QDialog;
class QWidget;

namespace core {

// A fixed dialog border without minimise and maximise buttons, with a client area of
// the size given in twips.
void SetFixedDialog(QDialog* dialog, const QString& caption, double widthTwips, double heightTwips);

// Centres the window on its owner (the active window when it opens), or on the screen.
void CentreOnOwner(QWidget* window);
void CentreOnScreen(QWidget* window);

// Gives the button the picture of the path in every state. An empty path, or a file
// that holds no picture, leaves the button with its caption alone.
void SetButtonPicture(platform::PictureButton* button, const QString& path);

}  // namespace core
