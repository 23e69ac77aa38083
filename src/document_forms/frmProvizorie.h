#pragma once
// "Anexa la fisa AP-1" ("Autorizatie provizorie"): the new holder's request to the police
// for a provisional circulation authorisation, with the receipt in the top right corner.
// A4 portrait, filled from the buyer (the holder), the seller's name, four vehicle items
// and today's date twice.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmProvizorie : public DocumentForm {
  Q_OBJECT
 public:
  frmProvizorie();

 private:
  void FillFields() override;
};

}  // namespace document_forms
