#pragma once
// The fit rule searched the plain way, every try laid out anew: what platform::FitText
// must answer, for the tests that compare the two.

#include "platform/FittedText.h"

namespace fitreference {

platform::TextFit ReferenceFit(const QString& text, const QFont& font, const platform::TextRoom& room);

}  // namespace fitreference
