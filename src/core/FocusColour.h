#pragma once
// The focus colour as the settings keep it: empty, or a colour as a decimal whole number
// red + 256 * green + 65536 * blue.

#include <QColor>
#include <QString>
#include <optional>

namespace core {

// The colour of the text; nothing when the text is empty or not such a number.
std::optional<QColor> FocusColour(const QString& text);

}  // namespace core
