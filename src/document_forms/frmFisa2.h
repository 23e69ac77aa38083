#pragma once
// frmFisa2, the registration sheet with both of its sides on one A4 portrait page: the
// holder, the former holder, the authorities' records and the observations above, the
// vehicle's technical data in rubrics 1 to 21 and its modifications below, the whole
// sheet drawn on the page and printed on blank paper.

#include "document_forms/DocumentForm.h"
#include "document_forms/frmFisa2Fill.h"

namespace document_forms {

// Five of its boxes have several lines (the two names and identity cards, the two
// addresses, the modifications); Enter moves on from them as from the others. The
// bottom pair of buttons keeps itself in view when it takes the focus.
class frmFisa2 : public DocumentForm {
  Q_OBJECT
 public:
  frmFisa2();

 private:
  // The caption of the registration-type entry, the one the sheet's back uses.
  void LoadExtras() override;
  void FillFields() override;
};

}  // namespace document_forms
