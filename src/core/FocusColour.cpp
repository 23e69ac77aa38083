#include "core/FocusColour.h"

#include <cmath>

#include "core/NumberReader.h"

namespace core {

std::optional<QColor> FocusColour(const QString& text) {
  double number = 0;
  if (!ReadWholeNumber(text, number)) return std::nullopt;
  const long long value = std::llrint(number);  // halves to the even number
  if (value < 0 || value > 0xFFFFFF) return std::nullopt;
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace core
