#pragma once
// The back of the driving-licence holder's record: the blank table "SANCTIUNI APLICATE"
// in which the traffic police enter the sanctions applied to the holder. A4 portrait,
// no boxes: the clerk opens it only to print the empty table on the back of the sheet.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmFisaPermisV : public DocumentForm {
  Q_OBJECT
 public:
  frmFisaPermisV();
};

}  // namespace document_forms
