#pragma once
// frmImpuneV, the back of the declaration of the local tax on means of transport: an A4
// landscape page with the rest of table 1 (goods and special vehicles, tractors,
// motorcycles), table 2 (trailers) and the closing statements, filled from the vehicle.

#include "document_forms/DocumentForm.h"
#include "document_forms/TaxDeclaration.h"

namespace document_forms {

// The window: the page, landscape, its boxes in the page's font and without focus or
// Enter handling of their own; one Print and one Exit button, both bringing the page's
// top back into view when they take the focus.
class frmImpuneV : public DocumentForm {
  Q_OBJECT
 public:
  frmImpuneV();

 private:
  void FillFields() override;
};

}  // namespace document_forms
