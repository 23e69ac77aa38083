#pragma once
// The focus colour of the data boxes, from its settings text (CuloareFocus): a decimal
// whole number red + 256 x green + 65536 x blue. An empty text means no focus colour; a
// text that does not read as such a number gives no colour either.

#include <QColor>
#include <QString>
#include <optional>

namespace core::settings {

std::optional<QColor> ColourFromText(const QString& text);

}  // namespace core::settings
