#pragma once
// The seller's address in one line, as the tax-office forms write it: the locality as
// typed (even when it is empty), then for each further part whose box is not exactly
// empty (a box of blanks counts as filled) its prefix and its text: ", str " street,
// ", nr " number, ", bl " block, ", sc " staircase, ", ap " flat, ", jud " county.
//   Rovi-Dedevi, str Florilor, nr 3, ap 12, jud Vuda

#include <QString>

#include "core/CaseBoxes.h"

namespace document_forms {

QString SellerAddressLine(const core::CaseBoxes& boxes);

}  // namespace document_forms
