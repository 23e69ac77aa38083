#include "core/SetupDialog.h"

#include <QFrame>
#include <QLabel>

#include "core/DialogParts.h"
#include "core/ImagePaths.h"
#include "platform/Twips.h"

namespace core {

using platform::TwipsRect;

namespace {
constexpr double kBandHeight = 735;
}

SetupDialog::SetupDialog(const Frame& frame) {
  SetFixedDialog(this, frame.caption, frame.widthTwips, frame.heightTwips);

  picSus = new QFrame(this);
  picSus->setObjectName("picSus");
  picSus->setGeometry(TwipsRect(0, 0, frame.widthTwips, kBandHeight));
  picSus->setAutoFillBackground(true);
  QPalette window = picSus->palette();
  window.setColor(QPalette::Window, window.color(QPalette::Base));
  picSus->setPalette(window);

  imgInfo = new QLabel(picSus);
  imgInfo->setObjectName("imgInfo");
  imgInfo->setGeometry(TwipsRect(60, 30, 675, 675));
  imgInfo->setAlignment(Qt::AlignCenter);

  lblInfo = new QLabel(frame.title, picSus);
  lblInfo->setObjectName("lblInfo");
  lblInfo->setGeometry(TwipsRect(840, 150, frame.widthTwips - 1000, 435));
  QFont titleFont(frame.fontFamily);
  titleFont.setPointSizeF(13.5);
  titleFont.setBold(true);
  lblInfo->setFont(titleFont);
  lblInfo->setAlignment(frame.titleAlignment | Qt::AlignVCenter);
  QPalette green = lblInfo->palette();
  green.setColor(QPalette::WindowText, QColor(0, 128, 0));
  lblInfo->setPalette(green);

  picJos = new QFrame(this);
  picJos->setObjectName("picJos");
  picJos->setGeometry(TwipsRect(0, frame.heightTwips - kBandHeight, frame.widthTwips, kBandHeight));
  picJos->setFrameShape(QFrame::StyledPanel);
  QFont buttonFont(frame.fontFamily);
  buttonFont.setPointSizeF(9.75);
  buttonFont.setBold(true);
  cmdOK = new platform::PictureButton(QStringLiteral("OK"), picJos);
  cmdOK->setObjectName("cmdOK");
  cmdCancel = new platform::PictureButton(QStringLiteral("Cancel"), picJos);
  cmdCancel->setObjectName("cmdCancel");
  const double buttonWidth = 1335, gap = 240;
  const double left = (frame.widthTwips - 2 * buttonWidth - gap) / 2;
  cmdOK->setGeometry(TwipsRect(left, 90, buttonWidth, 555));
  cmdCancel->setGeometry(TwipsRect(left + buttonWidth + gap, 90, buttonWidth, 555));
  for (platform::PictureButton* b : {cmdOK, cmdCancel}) {
    b->setFont(buttonFont);
    b->setAutoDefault(false);
  }
}

void SetupDialog::LoadButtonPictures() {
  SetButtonPicture(cmdOK, images::ImgOk);
  SetButtonPicture(cmdCancel, images::ImgCancel);
}

void SetupDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwner(this);
}

}  // namespace core
