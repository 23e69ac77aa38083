// The first run's set-up of the start command: the sample database, its folder and the
// switch that shows the search and editing frames; both files private to their owner.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "platform/SettingsStore.h"

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

class FirstRun : public ::testing::Test {
 protected:
  // Runs the set-up with the data and settings folders of the test; its exit code.
  int Run() {
    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", data_.path());
    env.insert("XDG_CONFIG_HOME", config_.path());
    script.setProcessEnvironment(env);
    script.start("bash", {VELORAST_SOURCE_DIR "/scripts/first-run.sh", QCoreApplication::applicationDirPath()});
    script.waitForFinished(60000);
    return script.exitCode();
  }
  QString Config() const { return QDir(config_.path()).filePath("Velorast.ini"); }
  QString Database() const { return QDir(data_.path()).filePath("Velorast/evidenta2000.mdb"); }
  void Load() {
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    core::settings::UsesBD = false;
    core::settings::LoadSettings();
    folder_ = platform::GetSetting("Velorast", "CaleBD", "CaBD");
    qputenv("XDG_CONFIG_HOME", previous);
  }
  QTemporaryDir data_, config_;
  QString folder_;
};

TEST_F(FirstRun, StoresTheSampleFolderAndShowsTheDatabaseFrames) {
  ASSERT_EQ(Run(), 0);
  ASSERT_TRUE(QFileInfo::exists(Database()));
  Load();
  EXPECT_EQ(folder_, QFileInfo(Database()).path());
  EXPECT_TRUE(core::settings::UsesBD);
  EXPECT_EQ(QFile::permissions(Database()) & 0x7077, kOwnerOnly);
  EXPECT_EQ(QFile::permissions(Config()) & 0x7077, kOwnerOnly);

  // A second run changes nothing.
  QFile file(Config());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  ASSERT_EQ(Run(), 0);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
}

TEST_F(FirstRun, KeepsASwitchTheClerkHasAlreadySet) {
  QFile file(Config());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Par]\nUsesBD=False\nFisa=Sala\n");
  file.close();
  ASSERT_EQ(Run(), 0);
  Load();
  EXPECT_FALSE(core::settings::UsesBD);
  EXPECT_EQ(core::settings::Fisa, "Sala");
  EXPECT_EQ(folder_, QFileInfo(Database()).path());
}

TEST_F(FirstRun, ASettingsFileWithOtherEntriesGetsTheSwitchInItsSection) {
  QFile file(Config());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Par]\nFisa=Sala\n");
  file.close();
  ASSERT_EQ(Run(), 0);
  Load();
  EXPECT_TRUE(core::settings::UsesBD);
  EXPECT_EQ(core::settings::Fisa, "Sala");
}

}  // namespace
