#include "platform/SystemRegistry.h"

#include <QFile>
#include <QTextStream>

namespace platform {

QString SystemRegistryFile() {
  const QString overridden = qEnvironmentVariable("VELORAST_SYSTEM_INI");
  return overridden.isEmpty() ? QStringLiteral("/etc/xdg/Velorast/system.ini") : overridden;
}

std::optional<QString> ReadSystemValue(const QString& keyPath, const QString& valueName) {
  QFile file(SystemRegistryFile());
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  QTextStream in(&file);
  bool inKey = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
    if (line.startsWith('[') && line.endsWith(']')) {
      inKey = line.mid(1, line.size() - 2).trimmed().compare(keyPath, Qt::CaseInsensitive) == 0;
      continue;
    }
    const qsizetype eq = line.indexOf('=');
    if (!inKey || eq < 0) continue;
    if (line.left(eq).trimmed().compare(valueName, Qt::CaseInsensitive) == 0)
      return line.mid(eq + 1).trimmed();
  }
  return std::nullopt;
}

}  // namespace platform
