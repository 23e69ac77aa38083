#include "core/FontSubstitutions.h"

#include <QFont>

namespace core {

void RegisterFontSubstitutions() {
  const QString serif = QStringLiteral("Liberation Serif");
  const QString sans = QStringLiteral("Liberation Sans");
  for (const char* name : {"Times New Roman", "TimesRomanR", "Times"})
    QFont::insertSubstitution(QString::fromLatin1(name), serif);
  for (const char* name : {"Arial", "MS Sans Serif", "Microsoft Sans Serif", "Helvetica"})
    QFont::insertSubstitution(QString::fromLatin1(name), sans);
}

}  // namespace core
