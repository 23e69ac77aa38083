#pragma once
// frmImpuneF, the front of the declaration of the local tax on means of transport: an
// A4 landscape page with the taxpayer block of a natural or a legal person, the tax
// office's header and table 1 of the vehicles, filled from the buyer and the vehicle.

#include "document_forms/DocumentForm.h"
#include "document_forms/TaxDeclaration.h"

namespace document_forms {

// The window: the page, landscape, its boxes in the fonts of the layout. The closing
// block of the declaration and its boxes 74 and 75 stand below the bottom edge, so they
// are neither seen nor printed, and Tab never goes to them.
class frmImpuneF : public DocumentForm {
  Q_OBJECT
 public:
  frmImpuneF();

 private:
  // The coat of arms (a plain frame when its picture is missing) and the office's
  // telephone.
  void LoadExtras() override;
  void FillFields() override;
};

}  // namespace document_forms
