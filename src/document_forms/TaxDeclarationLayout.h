#pragma once
// What the pages of both faces of the tax declaration share in their tables.

#include "document_forms/PageTable.h"

namespace document_forms {

// The boxes are 195 twips high unless told, in the page's own font.
inline constexpr double kTaxBoxHeight = 195;
constexpr Item TaxBox(int index, double left, double top, double width, double height = kTaxBoxHeight) {
  return Box(index, left, top, width, height);
}

}  // namespace document_forms
