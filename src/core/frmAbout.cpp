#include "core/frmAbout.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/ApplicationIcon.h"
#include "core/DialogParts.h"
#include "core/Version.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/SystemRegistry.h"
#include "platform/Twips.h"

namespace core {

using platform::TwipsRect;

frmAbout::frmAbout() {
  SetFixedDialog(this, QString(), 5730, 3555);

  Image1 = new QLabel(this);
  Image1->setGeometry(TwipsRect(0, 60, 795, 1005));
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(ApplicationIcon().pixmap(48, 48));

  lblTitle = new QLabel(this);
  lblTitle->setGeometry(TwipsRect(1050, 240, 3885, 480));
  QFont titleFont = lblTitle->font();
  titleFont.setPointSizeF(15.75);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);

  lblVersion = new QLabel(this);
  lblVersion->setGeometry(TwipsRect(1050, 780, 3885, 225));

  lblDescription = new QLabel(this);
  lblDescription->setGeometry(TwipsRect(1050, 1125, 3885, 1170));
  lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDescription->setWordWrap(true);

  // An engraved separator: a grey line with a white one just below it.
  Line1[1] = new QFrame(this);
  Line1[1]->setGeometry(TwipsRect(90, 2445, 5654 - 90, 15));
  Line1[0] = new QFrame(this);
  Line1[0]->setGeometry(TwipsRect(105, 2460, 5654 - 105, 30));
  const QColor lineColours[2] = {Qt::white, QColor(128, 128, 128)};
  for (int i = 0; i < 2; ++i) {
    Line1[i]->setAutoFillBackground(true);
    QPalette p = Line1[i]->palette();
    p.setColor(QPalette::Window, lineColours[i]);
    Line1[i]->setPalette(p);
  }

  lblDisclaimer = new QLabel(this);
  lblDisclaimer->setGeometry(TwipsRect(240, 2625, 3870, 825));
  lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDisclaimer->setWordWrap(true);
  QFont noticeFont(QStringLiteral("MS Sans Serif"));
  noticeFont.setPointSizeF(9.75);
  lblDisclaimer->setFont(noticeFont);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setGeometry(TwipsRect(4245, 2625, 1260, 345));
  cmdOK->setDefault(true);  // Enter; Esc closes the dialog as well
  cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  cmdSysInfo->setGeometry(TwipsRect(4260, 3075, 1245, 345));
  cmdSysInfo->setAutoDefault(false);
  setTabOrder(cmdOK, cmdSysInfo);

  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
  Form_Load();
}

void frmAbout::Form_Load() {
  setWindowTitle(QStringLiteral("About ") + platform::kAppTitle);
  lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  lblTitle->setText(platform::kAppTitle);
  lblDescription->setText(QStringLiteral(
      "Actele dosarului unui vehicul rutier:\r\n"
      "inmatriculare, transcriere si radiere,\r\n"
      "contracte, certificate si cereri fiscale."));
  lblDisclaimer->setText(QStringLiteral(
      "Toate drepturile rezervate.\r\n\r\n"
      "Copierea fara acord este interzisa."));
}

void frmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwner(this);
}

void frmAbout::cmdOK_Click() { close(); }

bool frmAbout::GetKeyValue(const QString& KeyName, const QString& SubKeyRef, QString& KeyVal) {
  const std::optional<QString> value = platform::ReadSystemValue(KeyName, SubKeyRef);
  KeyVal = value.value_or(QString());
  return value.has_value();
}

void frmAbout::StartSysInfo() {
  QString path;
  bool found = GetKeyValue(kSysInfoKey, QStringLiteral("PATH"), path);
  if (!found && GetKeyValue(kSysInfoLocationKey, QStringLiteral("MSINFO"), path)) {
    const QString program = path + QLatin1Char('/') + kSysInfoProgram;
    found = QFileInfo(program).isFile();
    path = program;
  }
  if (found && platform::Shell(path)) return;
  platform::MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), platform::vbOKOnly);
}

}  // namespace core
