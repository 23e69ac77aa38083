#pragma once
// The help window: shows the user guide "help.rtf" of the program folder and prints it,
// whole or only its selected part, on a printer picked in the print dialog. A normal
// window beside the MDI parent; the menu shows it without a mode and, while it is
// open, only brings it forward.

#include <QWidget>

#include "core/DialogParts.h"

class QFrame;
class QPrinter;

namespace platform {
class RichTextBox;
}

namespace core {

class frmHelp : public QWidget {
  Q_OBJECT
 public:
  frmHelp();

  void cmdPrint_Click();
  void cmdExit_Click();

  // Prints the selection, or the whole document when nothing is selected, with its
  // formatting, as text.
  void SelPrint(QPrinter& printer);

  platform::RichTextBox* rtfHelp;
  QFrame* picJos;
  platform::PictureButton* cmdPrint;
  platform::PictureButton* cmdExit;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Form_Load();
  void Form_Resize();
  void LoadButtonPictures();
};

}  // namespace core
