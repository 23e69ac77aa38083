#include "core/FocusColour.h"

#include <cmath>

namespace core {

std::optional<QColor> FocusColour(const QString& text) {
  const QString trimmed = text.trimmed();
  bool ok = false;
  const double number = trimmed.toDouble(&ok);  // the C locale: the point is the decimal separator
  if (!ok || !std::isfinite(number)) return std::nullopt;
  const long long value = std::llrint(number);  // halves to the even number
  if (value < 0 || value > 0xFFFFFF) return std::nullopt;
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace core
