#pragma once
// The About window: the application's title, version, credits and notice, and a button
// that starts the machine's system-information program named in the program's
// system-wide settings file (platform/SystemRegistry.h).

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace core {

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  frmAbout();

  // Starts the system-information program, or says that there is none.
  void StartSysInfo();
  // The value of the registry key; false (and an empty value) when it is missing.
  static bool GetKeyValue(const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

  void cmdOK_Click();
  void cmdSysInfo_Click() { StartSysInfo(); }

  QLabel* Image1;
  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblDescription;
  std::array<QFrame*, 2> Line1;
  QLabel* lblDisclaimer;
  QPushButton* cmdOK;
  QPushButton* cmdSysInfo;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();
};

// Where the system-information program is registered.
inline const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kSysInfoProgram = QStringLiteral("MSINFO32.EXE");

}  // namespace core
