#include "core/frmLogin.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/Cipher.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "support/FixtureDatabase.h"

using core::frmLogin;
using platform::Forms;

namespace {

class LoginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::BazaDate = fixture_.Open();
    frmLogin::OK = false;
    core::LoginUser.clear();
    core::LoginPrivilege = 0;
  }
  void TearDown() override {
    Forms::Unload<frmLogin>();
    core::BazaDate.reset();
  }
  void AddUser(int id, const QString& nick, const QVariant& password, int privilege) {
    fixture_.Db().Execute("INSERT INTO Useri (UserID, Nick, Parola, Privilegiu) VALUES (?, ?, ?, ?)",
                          {id, core::EncodeUserText(nick), password, privilege});
  }
  // Chooses the user in the list, types the password and presses OK.
  frmLogin* LogIn(const QString& nick, const QString& password) {
    frmLogin* login = Forms::Get<frmLogin>();
    login->cboUser->setCurrentIndex(login->cboUser->findText(nick));
    login->txtPassword->setText(password);
    login->cmdOK->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Forms::IfLoaded<frmLogin>();
  }
  testsupport::FixtureDatabase fixture_;
};

}  // namespace

TEST_F(LoginTest, ListsTheDecipheredNamesByPrivilege) {
  AddUser(7, "Popescu", core::EncodeUserText("x"), 5);
  AddUser(3, "Ionescu", core::EncodeUserText("y"), 1);
  frmLogin* login = Forms::Get<frmLogin>();
  ASSERT_EQ(login->cboUser->count(), 2);
  EXPECT_EQ(login->cboUser->itemText(0), "Ionescu");
  EXPECT_EQ(login->cboUser->itemText(1), "Popescu");
  EXPECT_EQ(login->cboUser->model()->index(1, 0).data().toString(), "7");  // UserID, first column
  EXPECT_EQ(login->cboUser->currentIndex(), -1);
  EXPECT_FALSE(login->cboUser->isEditable());
}

TEST_F(LoginTest, RightPasswordLogsIn) {
  AddUser(1, "Ionescu", core::EncodeUserText("Parola1"), 1);
  AddUser(2, "Admin", core::EncodeUserText("secret"), 9);
  platform::MessageBoxScript boxes;
  EXPECT_EQ(LogIn("Admin", "secret"), nullptr);  // unloaded
  EXPECT_TRUE(frmLogin::OK);
  EXPECT_EQ(core::LoginUser, "Admin");
  EXPECT_EQ(core::LoginPrivilege, 9);
  EXPECT_TRUE(boxes.Shown().isEmpty());
}

TEST_F(LoginTest, WrongPasswordKeepsTheChoiceAndSelectsThePassword) {
  AddUser(1, "Ionescu", core::EncodeUserText("Parola1"), 1);
  platform::MessageBoxScript boxes;
  frmLogin* shown = Forms::Get<frmLogin>();
  shown->show();
  QApplication::setActiveWindow(shown);
  for (const char* wrong : {"parola1", "Parola", ""}) {  // letter case counts
    frmLogin* login = LogIn("Ionescu", wrong);
    ASSERT_NE(login, nullptr) << wrong;
    EXPECT_EQ(login->cboUser->currentText(), "Ionescu");
    EXPECT_TRUE(login->txtPassword->hasFocus()) << wrong;
    EXPECT_EQ(login->txtPassword->selectionLength(), login->txtPassword->text().size()) << wrong;
  }
  ASSERT_EQ(boxes.Shown().size(), 3);
  EXPECT_EQ(boxes.Shown()[0].prompt, "Parola incorecta, mai incercati!");
  EXPECT_EQ(boxes.Shown()[0].title, "Login");
  EXPECT_FALSE(frmLogin::OK);
}

TEST_F(LoginTest, EmptyTableAsksForAUser) {
  platform::MessageBoxScript boxes;
  frmLogin* login = Forms::Get<frmLogin>();
  EXPECT_EQ(login->cboUser->count(), 0);
  login->cmdOK->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Sunteti obligat sa alegeti un utilizator din lista"});
  EXPECT_EQ(boxes.Shown()[0].title, platform::kAppTitle);
  EXPECT_TRUE(Forms::IsLoaded<frmLogin>());
}

TEST_F(LoginTest, StoredPasswordsWithoutAValue) {
  AddUser(1, "Gol", core::EncodeUserText(""), 2);  // an empty text: logs in with an empty box
  AddUser(2, "Nul", QVariant(), 3);                // no value at all: never logs in
  platform::MessageBoxScript boxes;
  EXPECT_NE(LogIn("Nul", ""), nullptr);
  EXPECT_EQ(boxes.Prompts(), QStringList{"Parola incorecta, mai incercati!"});
  EXPECT_EQ(LogIn("Gol", ""), nullptr);
  EXPECT_TRUE(frmLogin::OK);
  EXPECT_EQ(core::LoginUser, "Gol");
}

TEST_F(LoginTest, CancelAndCloseBox) {
  AddUser(1, "Ionescu", core::EncodeUserText("p"), 4);
  frmLogin::OK = true;
  frmLogin* login = Forms::Get<frmLogin>();
  login->cboUser->setCurrentIndex(0);
  login->cmdCancel->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmLogin>());
  EXPECT_FALSE(frmLogin::OK);
  EXPECT_EQ(core::LoginUser, "Ionescu");
  EXPECT_EQ(core::LoginPrivilege, 0);

  // The close box unloads and changes none of the three.
  frmLogin::OK = true;
  core::LoginUser = "altul";
  login = Forms::Get<frmLogin>();
  login->cboUser->setCurrentIndex(0);
  login->show();
  login->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmLogin>());
  EXPECT_TRUE(frmLogin::OK);
  EXPECT_EQ(core::LoginUser, "altul");
}
