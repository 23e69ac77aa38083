#pragma once
// A fill written as a table: which box of the form takes the text of which case box,
// copied as it stands (no trimming, no test for empty text), in the table's order.
//
//   constexpr BoxCopy kSeller[] = {{0, core::Box("VanzatorNume")}, {3, core::Box("VanzatorLocalitate")}};
//   CopyBoxes(*this, Case(), kSeller);

#include <span>

#include "core/CaseBoxes.h"
#include "document_forms/DocumentForm.h"

namespace document_forms {

struct BoxCopy {
  int box;           // the form's box
  core::BoxRef from;  // the main window's box
};

void CopyBoxes(DocumentForm& form, const core::CaseBoxes& boxes, std::span<const BoxCopy> copies);

}  // namespace document_forms
