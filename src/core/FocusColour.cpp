#include "core/FocusColour.h"

namespace core {

std::optional<QColor> FocusColour(const QString& text) {
  bool ok = false;
  const qlonglong value = text.trimmed().toLongLong(&ok);
  if (!ok || value < 0 || value > 0xFFFFFF) return std::nullopt;
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString FocusColourText(const QColor& colour) {
  return QString::number(colour.red() + 256 * colour.green() + 65536 * colour.blue());
}

}  // namespace core
