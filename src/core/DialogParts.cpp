#include "core/DialogParts.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include "platform/Twips.h"

namespace core {

using platform::TwipsToPixels;

void SetFixedDialog(QDialog* dialog, const QString& caption, double widthTwips, double heightTwips) {
  dialog->setWindowTitle(caption);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint);
  dialog->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
}

void CentreOnOwner(QWidget* window) {
  QWidget* owner = QApplication::activeWindow();
  if (!owner || owner == window) {
    CentreOnScreen(window);
    return;
  }
  QRect frame = window->frameGeometry();
  frame.moveCenter(owner->frameGeometry().center());
  window->move(frame.topLeft());
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

void SetButtonPicture(platform::PictureButton* button, const QString& path) {
  if (path.isEmpty()) return;
  button->SetPicture(path);
  button->SetPictureOver(path);
  button->SetPictureDown(path);
}

}  // namespace core
