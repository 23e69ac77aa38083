#pragma once

namespace core {

// The windows and documents name Times New Roman, Arial, MS Sans Serif, Microsoft Sans
// Serif and TimesRomanR. Maps the serif names to Liberation Serif and the sans names to
// Liberation Sans, whose widths match, before any window is made.
void RegisterFontSubstitutions();

}  // namespace core
