#include "core/Modul.h"

namespace core {

QString DateFromCnp(const QString& cnp) {
  return cnp.mid(5, 2) + QLatin1Char('.') + cnp.mid(3, 2) + QLatin1Char('.') + cnp.mid(1, 2);
}

void SplitAtBlank20(const QString& text, QString& first, QString& rest) {
  const int blank = int(text.left(20).lastIndexOf(QLatin1Char(' ')));
  if (blank >= 0) {
    first = text.left(blank);
    rest = text.mid(blank + 1);
  }
  if (!text.isEmpty() && first.isEmpty()) first = text;
}

QString TextAfterSlash(const QString& text) {
  const int slash = int(text.indexOf(QLatin1Char('/')));
  return slash < 0 ? text : text.mid(slash + 1);
}

}  // namespace core
