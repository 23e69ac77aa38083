#include "core/FocusColour.h"

#include "platform/CommonDialog.h"

namespace core {

std::optional<QColor> FocusColour(const QString& text) {
  bool ok = false;
  const qlonglong value = text.trimmed().toLongLong(&ok);
  if (!ok || value < 0 || value > 0xFFFFFF) return std::nullopt;
  return platform::ColorFromValue(static_cast<int>(value));
}

}  // namespace core
