#include "platform/Clock.h"

namespace platform {
namespace {
QDate g_fixed;
}

QDate Today() { return g_fixed.isValid() ? g_fixed : QDate::currentDate(); }

void SetToday(const QDate& date) { g_fixed = date; }

QString FormatDdMmYyyy(const QDate& date) {
  return QStringLiteral("%1-%2-%3")
      .arg(date.day(), 2, 10, QLatin1Char('0'))
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace platform
