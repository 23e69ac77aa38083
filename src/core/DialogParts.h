#pragma once
// What the core's dialogs share: the fixed dialog frame sized in twips, the placing on
// the owner or the screen, the pictures of their buttons, and the title and button
// bands of the two set-up dialogs.

#include <QString>

#include "platform/PictureButton.h"

class QDialog;
class QFrame;
class QLabel;
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

// The title band at the top of the set-up dialogs: full width, 735 twips high, in the
// system's window colour, with a picture at its left and a green bold title.
struct TitleBand {
  QFrame* picSus;
  QLabel* imgInfo;
  QLabel* lblInfo;
};
TitleBand MakeTitleBand(QWidget* dialog, double widthTwips, const QString& title,
                        const QString& fontFamily, Qt::Alignment titleAlignment);

// The button band at the bottom: full width, 735 twips high, with OK and Cancel.
struct ButtonBand {
  QFrame* picJos;
  platform::PictureButton* cmdOK;
  platform::PictureButton* cmdCancel;
};
ButtonBand MakeButtonBand(QWidget* dialog, double widthTwips, double topTwips, const QString& fontFamily);

}  // namespace core
