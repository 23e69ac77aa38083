#include "core/DialogParts.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "platform/Twips.h"

namespace core {

using platform::TwipsRect;
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

TitleBand MakeTitleBand(QWidget* dialog, double widthTwips, const QString& title,
                        const QString& fontFamily, Qt::Alignment titleAlignment) {
  TitleBand band;
  band.picSus = new QFrame(dialog);
  band.picSus->setObjectName("picSus");
  band.picSus->setGeometry(TwipsRect(0, 0, widthTwips, 735));
  band.picSus->setAutoFillBackground(true);
  QPalette palette = band.picSus->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));  // the window colour
  band.picSus->setPalette(palette);

  band.imgInfo = new QLabel(band.picSus);
  band.imgInfo->setObjectName("imgInfo");
  band.imgInfo->setGeometry(TwipsRect(60, 30, 675, 675));
  band.imgInfo->setAlignment(Qt::AlignCenter);

  band.lblInfo = new QLabel(title, band.picSus);
  band.lblInfo->setObjectName("lblInfo");
  band.lblInfo->setGeometry(TwipsRect(840, 150, widthTwips - 1000, 435));
  QFont font(fontFamily);
  font.setPointSizeF(13.5);
  font.setBold(true);
  band.lblInfo->setFont(font);
  band.lblInfo->setAlignment(titleAlignment | Qt::AlignVCenter);
  QPalette green = band.lblInfo->palette();
  green.setColor(QPalette::WindowText, QColor(0, 128, 0));
  band.lblInfo->setPalette(green);
  return band;
}

ButtonBand MakeButtonBand(QWidget* dialog, double widthTwips, double topTwips, const QString& fontFamily) {
  ButtonBand band;
  band.picJos = new QFrame(dialog);
  band.picJos->setObjectName("picJos");
  band.picJos->setGeometry(TwipsRect(0, topTwips, widthTwips, 735));
  band.picJos->setFrameShape(QFrame::StyledPanel);

  QFont font(fontFamily);
  font.setPointSizeF(9.75);
  font.setBold(true);
  band.cmdOK = new platform::PictureButton(QStringLiteral("OK"), band.picJos);
  band.cmdOK->setObjectName("cmdOK");
  band.cmdCancel = new platform::PictureButton(QStringLiteral("Cancel"), band.picJos);
  band.cmdCancel->setObjectName("cmdCancel");
  const double buttonWidth = 1335, gap = 240;
  const double left = (widthTwips - 2 * buttonWidth - gap) / 2;
  band.cmdOK->setGeometry(TwipsRect(left, 90, buttonWidth, 555));
  band.cmdCancel->setGeometry(TwipsRect(left + buttonWidth + gap, 90, buttonWidth, 555));
  for (platform::PictureButton* b : {band.cmdOK, band.cmdCancel}) {
    b->setFont(font);
    b->setAutoDefault(false);
  }
  return band;
}

}  // namespace core
