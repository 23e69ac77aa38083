#pragma once
// The fill of frmFisa2, the one-page registration sheet, apart from its window: the
// holder from the buyer's boxes and the former holder from the seller's, composed by the
// sheet's person rules (core/SheetPersonText.h) as the sheet's back in the report grid
// composes them; the plate number, every vehicle item and the specifications copied.

#include "document_forms/BoxCopies.h"

namespace document_forms {

// What FillFields writes into txt. A register box is left out when the party has neither
// a trade-register number nor a CNP; boxes 0 and 57 are the clerk's.
BoxTexts FillFisa2(const core::CaseBoxes& boxes);

}  // namespace document_forms
