#include "core/frmAbout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

using core::frmAbout;
using platform::Forms;

namespace {

const char* kUnavailable = "System Information Is Unavailable At This Time";

// A system-wide settings file of its own for each test.
class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("VELORAST_SYSTEM_INI", dir_.filePath("system.ini").toLocal8Bit()); }
  void TearDown() override {
    Forms::Unload<frmAbout>();
    qunsetenv("VELORAST_SYSTEM_INI");
  }
  void WriteRegistry(const QString& text) {
    QFile f(dir_.filePath("system.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
  }
  QString Folder(const QString& name, bool withProgram) {
    QDir(dir_.path()).mkpath(name);
    const QString folder = dir_.filePath(name);
    if (withProgram) {
      QFile program(folder + "/MSINFO32.EXE");
      EXPECT_TRUE(program.open(QIODevice::WriteOnly));
    }
    return folder;
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(AboutTest, LoadSetsTitleAndVersion) {
  frmAbout* about = Forms::Get<frmAbout>();
  EXPECT_EQ(about->windowTitle(), "About Velorastulare");
  EXPECT_EQ(about->lblTitle->text(), "Velorastulare");
  EXPECT_EQ(about->lblVersion->text(), "Version 1.0.0");
  EXPECT_TRUE(about->cmdOK->isDefault());
  EXPECT_EQ(about->cmdSysInfo->text(), "&System Info...");
}

TEST_F(AboutTest, SystemInformationProgramIsFoundOrReportedMissing) {
  const QString withProgram = Folder("cu", true);
  const QString withoutProgram = Folder("fara", false);
  struct Case { const char* name; QString registry; bool starts; QString started; bool message; } cases[] = {
      {"first key found: the second is not read",
       "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/opt/info/sysinfo\n"
       "[SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO=" + withProgram + "\n",
       true, "/opt/info/sysinfo", false},
      {"second key with the program",
       "; only the folder\n[SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO = " + withProgram + "\n",
       true, withProgram + "/MSINFO32.EXE", false},
      {"second key without the program", "[SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO=" + withoutProgram + "\n",
       true, QString(), true},
      {"neither key", "[SOFTWARE\\Other]\nPATH=/bin/true\n", true, QString(), true},
      {"an empty path does not start", "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=\n", true, QString(), true},
      {"a program that does not start", "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/nu/exista\n",
       false, "/nu/exista", true},
  };
  for (const Case& c : cases) {
    WriteRegistry(c.registry);
    platform::MessageBoxScript boxes;
    platform::ShellScript shell;
    shell.starts = c.starts;
    Forms::Get<frmAbout>()->cmdSysInfo->click();
    EXPECT_EQ(shell.Started(), c.started.isEmpty() ? QStringList() : QStringList{c.started}) << c.name;
    EXPECT_EQ(boxes.Prompts(), c.message ? QStringList{kUnavailable} : QStringList()) << c.name;
    EXPECT_TRUE(Forms::IsLoaded<frmAbout>()) << c.name;  // the window stays open
  }
}

TEST_F(AboutTest, NoRegistryFileAtAll) {
  platform::MessageBoxScript boxes;
  platform::ShellScript shell;
  Forms::Get<frmAbout>()->StartSysInfo();
  EXPECT_EQ(boxes.Prompts(), QStringList{kUnavailable});
  EXPECT_TRUE(shell.Started().isEmpty());
}

TEST_F(AboutTest, EnterAndEscBothUnload) {
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    frmAbout* about = Forms::Get<frmAbout>();
    about->show();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(about, &press);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Forms::IsLoaded<frmAbout>()) << key;
  }
}
