#pragma once
// While an instance lives, the settings store keeps its files in a fresh, empty folder
// of its own (XDG_CONFIG_HOME points there), so that a test starts from no settings.

#include <QByteArray>
#include <QTemporaryDir>

namespace testsupport {

class SettingsFolder {
 public:
  SettingsFolder() : previous_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
  }
  ~SettingsFolder() { qputenv("XDG_CONFIG_HOME", previous_); }
  SettingsFolder(const SettingsFolder&) = delete;
  SettingsFolder& operator=(const SettingsFolder&) = delete;

  QString Path() const { return dir_.path(); }

 private:
  QByteArray previous_;
  QTemporaryDir dir_;
};

}  // namespace testsupport
