#pragma once
// GoogleTest prints Qt texts as text in its failure messages (a QStringList element by
// element through this).

#include <QString>
#include <QVariant>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QVariant& value, std::ostream* os) {
  if (value.isNull())
    *os << "Null";
  else
    PrintTo(value.toString(), os);
}
