#pragma once
// The frame that the page set-up and the printer set-up dialogs share: a fixed dialog
// centred on its owner, with a title band at the top (full width, 735 twips high, in the
// system's window colour, a picture at its left and a green bold title) and a button
// band at the bottom (full width, 735 twips high) with OK and Cancel, whose pictures
// come from the program's img folder.

#include <QDialog>

#include "platform/PictureButton.h"

class QFrame;
class QLabel;

namespace core {

class SetupDialog : public QDialog {
  Q_OBJECT
 public:
  QFrame* picSus;
  QLabel* imgInfo;
  QLabel* lblInfo;
  QFrame* picJos;
  platform::PictureButton* cmdOK;
  platform::PictureButton* cmdCancel;

 protected:
  struct Frame {
    QString caption;
    double widthTwips, heightTwips;
    QString title;
    QString fontFamily;          // of the title and the buttons
    Qt::Alignment titleAlignment;
  };
  explicit SetupDialog(const Frame& frame);

  // The pictures of OK and Cancel, when their files were found at start-up.
  void LoadButtonPictures();

  void showEvent(QShowEvent* event) override;
};

}  // namespace core
