#pragma once
// The log-in window: lists the users of table Useri by their deciphered names and lets
// one in whose typed password equals the deciphered stored one. Shown modally; after it
// has closed, frmLogin::OK tells whether a log-in succeeded.

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

namespace platform {
class Recordset;
}

namespace core {

// The user who logged in last, as the list showed the name, and the user's privilege.
inline QString LoginUser;
inline quint8 LoginPrivilege = 0;

class frmLogin : public QDialog {
  Q_OBJECT
 public:
  frmLogin();
  ~frmLogin() override;

  // True once a log-in succeeded, false after Cancel; it outlives the window, and
  // neither a new load nor the close box changes it.
  inline static bool OK = false;

  void cmdOK_Click();
  void cmdCancel_Click();

  QLabel* imgInfo;
  QLabel* Label1;
  QLabel* Label2;
  std::array<QLabel*, 2> lblLabels;
  QComboBox* cboUser;
  QLineEdit* txtPassword;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

  void reject() override;  // Esc: as Cancel

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // the close box unloads, nothing else

 private:
  void Form_Load();

  std::unique_ptr<platform::Recordset> rsUseri_;
  QStandardItemModel* users_;
};

}  // namespace core
