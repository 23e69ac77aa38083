#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "platform/MessageBox.h"

namespace platform {
namespace {

// What the group and the other users may do with a file.
constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                       QFile::WriteOther | QFile::ExeOther;

QString Entry(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

}  // namespace

QString SettingsFilePath(const QString& application) {
  QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
    folder = QDir::home().filePath(QStringLiteral(".config"));
  return QDir(folder).filePath(application + QStringLiteral(".ini"));
}

QString GetSetting(const QString& application, const QString& section, const QString& key) {
  const QSettings store(SettingsFilePath(application), QSettings::IniFormat);
  const QVariant value = store.value(Entry(section, key));
  // An unquoted text with commas comes back as a list of its parts.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

bool SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& text) {
  const QString path = SettingsFilePath(application);
  QDir().mkpath(QFileInfo(path).path());
  // The file is readable by its owner only (it names the database folder): a new one is
  // made so, and an existing one that others may read is closed to them before the
  // write, which keeps the file's permissions.
  const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
  if (!QFileInfo::exists(path))
    QFile(path).open(QIODevice::NewOnly | QIODevice::WriteOnly, ownerOnly);
  else if (QFile::permissions(path) & kOthers)
    QFile::setPermissions(path, ownerOnly);
  QSettings store(path, QSettings::IniFormat);
  store.setValue(Entry(section, key), text);
  store.sync();
  return store.status() == QSettings::NoError;
}

void ReportSettingsNotSaved(const QString& application) {
  MsgBox(QStringLiteral("Setarile nu au putut fi salvate in fisierul \"%1\": fisierul sau dosarul lui nu poate "
                        "fi scris. Setarile alese raman valabile doar pana la inchiderea programului. Cereti "
                        "administratorului dreptul de scriere in fisier, apoi alegeti-le din nou.")
             .arg(QDir::toNativeSeparators(SettingsFilePath(application))),
         vbExclamation);
}

}  // namespace platform
