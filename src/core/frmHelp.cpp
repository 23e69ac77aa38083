#include "core/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QTextCursor>

#include "core/AppState.h"
#include "core/ImagePaths.h"
#include "core/ErrorGuard.h"
#include "core/MDIVelorast.h"
#include "platform/CommonDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "platform/rtf/RtfReader.h"

namespace core {

using platform::PixelsToTwips;
using platform::TwipsRect;

namespace {

constexpr double kStripHeight = 915;  // picJos
constexpr double kMargin = 100;       // right of the text, and between it and the strip
constexpr double kButtonWidth = 1485, kButtonHeight = 795;

QFont ButtonFont() {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(9.75);
  f.setBold(true);
  return f;
}

}  // namespace

frmHelp::frmHelp() {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Informatii despre utilizarea aplicatiei"));
  resize(platform::TwipsToPixels(7290), platform::TwipsToPixels(6540));

  rtfHelp = new platform::RichTextBox(this);
  rtfHelp->setObjectName("rtfHelp");
  rtfHelp->move(0, platform::TwipsToPixels(30));
  rtfHelp->setReadOnly(true);  // nothing typed here could be kept
  rtfHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  picJos = new QFrame(this);
  picJos->setObjectName("picJos");
  cmdPrint = new platform::PictureButton(QStringLiteral("Print"), picJos);
  cmdPrint->setObjectName("cmdPrint");
  cmdPrint->setGeometry(TwipsRect(30, 30, kButtonWidth, kButtonHeight));
  cmdExit = new platform::PictureButton(QStringLiteral("Exit"), picJos);
  cmdExit->setObjectName("cmdExit");
  cmdExit->setGeometry(TwipsRect(4860, 30, kButtonWidth, kButtonHeight));
  for (platform::PictureButton* b : {cmdPrint, cmdExit}) b->setFont(ButtonFont());
  setTabOrder(rtfHelp, cmdPrint);
  setTabOrder(cmdPrint, cmdExit);

  connect(cmdPrint, &platform::PictureButton::clicked, this, &frmHelp::cmdPrint_Click);
  connect(cmdExit, &platform::PictureButton::clicked, this, &frmHelp::cmdExit_Click);
  Form_Load();
  Form_Resize();
}

void frmHelp::Form_Load() {
  const QString path = AppPath + QStringLiteral("/help.rtf");
  QFile file(path);
  const bool opened = file.open(QIODevice::ReadOnly);
  const bool read = opened && platform::rtf::ReadRtf(file.readAll(), *rtfHelp->document()).rtf;
  rtfHelp->moveCursor(QTextCursor::Start);  // the guide opens at its beginning
  if (!read) {
    rtfHelp->clear();
    const QString why = opened ? QStringLiteral("nu este un text RTF sau este deteriorat")
                               : QStringLiteral("lipseste sau nu poate fi deschis");
    platform::MsgBox(QStringLiteral("Ghidul de utilizare nu poate fi afisat: fisierul \"%1\" %2. Reinstalati "
                                    "programul (sau cereti administratorului sa o faca).")
                         .arg(QDir::toNativeSeparators(path), why),
                     platform::vbExclamation);
  }
  LoadButtonPictures();
}

void frmHelp::LoadButtonPictures() {
  SetButtonPicture(cmdPrint, images::ImgPrint);
  SetButtonPicture(cmdExit, images::ImgExit);
}

void frmHelp::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmHelp::Form_Resize() {
  if (isMinimized()) return;
  const double width = PixelsToTwips(this->width()), height = PixelsToTwips(this->height());
  // The text never gets a negative size, however small the window.
  rtfHelp->resize(platform::TwipsToPixels(qMax(0.0, width - kMargin)),
                  platform::TwipsToPixels(qMax(0.0, height - kStripHeight - kMargin)));
  picJos->setGeometry(TwipsRect(0, height - kStripHeight, width, kStripHeight));
  cmdExit->move(platform::TwipsToPixels(width - cmdExit->width() * platform::kTwipsPerPixel - kMargin),
                cmdExit->y());
}

void frmHelp::cmdExit_Click() { close(); }

void frmHelp::cmdPrint_Click() {
  if (platform::MsgBox(QStringLiteral("Sigur doriti sa tipariti textul de mai sus"), platform::vbYesNo) == platform::vbNo)
    return;
  try {
    platform::CommonDialog& cdgOpen = platform::Forms::Get<MDIVelorast>()->cdgOpen;
    cdgOpen.Orientation = platform::cdlPortrait;
    rtfHelp->PrintThroughDialog(cdgOpen, platform::cdlPDReturnDC);
  } catch (const std::exception& error) {
    // A cancelled dialog prints nothing and says nothing; a printer that did not take the
    // text says so.
    ReportFailedPrint(error);
  }
}

void frmHelp::SelPrint(QPrinter& printer) { rtfHelp->SelPrint(printer); }

}  // namespace core
