#include "core/frmLogin.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>

#include "core/AppState.h"
#include "core/Cipher.h"
#include "core/DialogParts.h"
#include "platform/Keystrokes.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/database/Database.h"

namespace core {

using platform::TwipsRect;

namespace {

constexpr int kIdColumn = 0;    // UserID, the list's first column
constexpr int kNameColumn = 1;  // the deciphered name, the box's own text

QFont SansUnderlined() {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSizeF(8.25);
  f.setUnderline(true);
  return f;
}

int PointsToPixels(double points) { return qRound(points * 96.0 / 72.0); }

}  // namespace

frmLogin::frmLogin() {
  SetFixedDialog(this, QStringLiteral("Login"), 3990, 2715);

  imgInfo = new QLabel(this);
  imgInfo->setGeometry(TwipsRect(0, 30, 795, 795));
  imgInfo->setAlignment(Qt::AlignCenter);
  imgInfo->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(40, 40));

  Label1 = new QLabel(QStringLiteral("Introduceti  user-ul si parola d-voastra."), this);
  Label1->setGeometry(TwipsRect(870, 210, 3090, 525));
  QFont serif(QStringLiteral("Times New Roman"));
  serif.setPointSizeF(8.25);
  Label1->setFont(serif);
  Label1->setWordWrap(true);
  Label2 = new QLabel(this);
  Label2->setGeometry(TwipsRect(750, 30, 3225, 795));

  lblLabels[0] = new QLabel(QStringLiteral("Utilizator:"), this);
  lblLabels[0]->setGeometry(TwipsRect(360, 1020, 1080, 300));
  lblLabels[1] = new QLabel(QStringLiteral("Parola:"), this);
  lblLabels[1]->setGeometry(TwipsRect(390, 1440, 1080, 270));
  for (QLabel* l : lblLabels) l->setFont(SansUnderlined());

  // Two columns, the name being the box's text; only entries of the list can be chosen,
  // and typing selects the first entry that begins with what was typed.
  cboUser = new QComboBox(this);
  cboUser->setGeometry(TwipsRect(1410, 990, 2295, 345));
  users_ = new QStandardItemModel(0, 2, cboUser);
  auto* view = new QTreeView(cboUser);
  view->setHeaderHidden(true);
  view->setRootIsDecorated(false);
  view->setItemsExpandable(false);
  cboUser->setModel(users_);
  cboUser->setView(view);
  cboUser->setModelColumn(kNameColumn);
  view->setColumnWidth(kIdColumn, PointsToPixels(10));
  view->setColumnWidth(kNameColumn, PointsToPixels(30));

  txtPassword = new QLineEdit(this);
  txtPassword->setGeometry(TwipsRect(1410, 1380, 2295, 344));
  txtPassword->setEchoMode(QLineEdit::Password);
  txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setGeometry(TwipsRect(330, 2010, 1395, 675));
  cmdOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setGeometry(TwipsRect(2310, 2010, 1365, 675));
  cmdCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  cmdCancel->setAutoDefault(false);
  setTabOrder(cboUser, txtPassword);
  setTabOrder(txtPassword, cmdOK);
  setTabOrder(cmdOK, cmdCancel);

  connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
  Form_Load();
}

frmLogin::~frmLogin() = default;

void frmLogin::Form_Load() {
  rsUseri_ = BazaDate->OpenRecordset(QStringLiteral("SELECT * FROM Useri ORDER BY Privilegiu"));
  while (!rsUseri_->EOF()) {
    auto* id = new QStandardItem(rsUseri_->Fields(QStringLiteral("UserID")).Text());
    id->setData(rsUseri_->Fields(QStringLiteral("UserID")).Value(), Qt::UserRole);
    auto* name = new QStandardItem(DecodeUserText(rsUseri_->Fields(QStringLiteral("Nick")).Text()));
    users_->appendRow({id, name});
    rsUseri_->MoveNext();
  }
  cboUser->setCurrentIndex(-1);
}

void frmLogin::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

void frmLogin::cmdOK_Click() {
  const int row = cboUser->currentIndex();
  if (row == -1) {
    platform::MsgBox(QStringLiteral("Sunteti obligat sa alegeti un utilizator din lista"), platform::vbOKOnly);
    return;
  }
  rsUseri_->FindFirst(QStringLiteral("UserID = ?"), {users_->item(row, kIdColumn)->data(Qt::UserRole)});
  // A user that is gone from the table, or whose password has no value at all, cannot
  // log in: the typed password is never compared with another user's.
  const bool passwordMatches =
      !rsUseri_->NoMatch() && !rsUseri_->Fields(QStringLiteral("Parola")).IsNull() &&
      DecodeUserText(rsUseri_->Fields(QStringLiteral("Parola")).Text()) == txtPassword->text();
  if (!passwordMatches) {
    platform::MsgBox(QStringLiteral("Parola incorecta, mai incercati!"), platform::vbOKOnly, QStringLiteral("Login"));
    txtPassword->setFocus();
    platform::SendSelectAll();
    return;
  }
  OK = true;
  LoginPrivilege = static_cast<quint8>(qBound(0, rsUseri_->Fields(QStringLiteral("PRIVILEGIU")).Value().toInt(), 255));
  LoginUser = cboUser->currentText();
  close();
}

void frmLogin::cmdCancel_Click() {
  OK = false;
  LoginUser = cboUser->currentText();
  close();
}

void frmLogin::reject() { cmdCancel_Click(); }

void frmLogin::closeEvent(QCloseEvent* event) {
  // Unloading leaves OK, LoginUser and LoginPrivilege as they were.
  event->accept();
}

}  // namespace core
